#pragma once

// A real short write, as on a nearly full disk: `write` runs in a child process whose files
// may not grow past `limitBytes` (RLIMIT_FSIZE, with SIGXFSZ ignored, so that a write past it
// fails with EFBIG). Needs neither root nor a small file system. Returns what `write`
// returned; false also when the child could not run.
#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace shortwrite {

inline bool InChildWithFileLimit(long limitBytes, const std::function<bool()>& write) {
#ifdef Q_OS_UNIX
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(limitBytes), rlim_t(limitBytes)};
        const bool done = ::setrlimit(RLIMIT_FSIZE, &limit) == 0 && write();
        ::_exit(done ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
#else
    static_cast<void>(limitBytes);
    return write();
#endif
}

} // namespace shortwrite

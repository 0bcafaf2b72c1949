// A running copy of the program for the hand-over tests: registers as an instance in the
// folder given, listens on its hand-over socket, says "ready" on standard output and then
// reports each path offered to it. It runs until it is killed.
//
//   handover_peer take|refuse|hang <folder>
#include "platform/HandoverChannel.h"
#include "platform/LockInstanceGuard.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        return 2;
    }
    const char* mode = argv[1];
    platform::LockInstanceGuard guard(QString::fromLocal8Bit(argv[2]));
    if (!guard.registerThisInstance()) {
        return 1;
    }
    platform::HandoverReceiver receiver([mode](const QString& path) {
        if (std::strcmp(mode, "hang") == 0) {
            QThread::sleep(30); // a copy that is stuck: it never answers in time
        }
        const bool take = std::strcmp(mode, "take") == 0;
        std::printf("%s %s\n", take ? "took" : "refused", qPrintable(path));
        std::fflush(stdout);
        return take;
    });
    if (!receiver.listen(platform::handoverSocketFor(guard.lockPath()))) {
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

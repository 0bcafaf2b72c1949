// A stand-in for a running instance of the program.
//   instance_holder FOLDER          registers in FOLDER, says so on standard output and waits
//                                   until it is killed;
//   instance_holder --check FOLDER  without registering, prints whether another instance is
//                                   running ("another" or "alone") and ends.
#include "platform/LockInstanceGuard.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--check") == 0) {
        platform::LockInstanceGuard guard(QString::fromLocal8Bit(argv[2]));
        std::puts(guard.anotherInstanceRunning() ? "another" : "alone");
        return 0;
    }
    if (argc < 2) {
        return 2;
    }
    platform::LockInstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    if (!guard.registerThisInstance()) {
        return 1;
    }
    std::puts("registered");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

// A stand-in for a running instance of the program: registers in the folder given as its
// argument, says so on standard output and waits until it is killed.
#include "platform/LockInstanceGuard.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
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

#include "DesktopUrlOpener.h"

#include "Production.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include <cstdio>

namespace platform {

namespace {
QtMessageHandler passedOn = nullptr;
Qt::HANDLE quietThread = nullptr;

void dropQuietThreadMessages(QtMsgType type, const QMessageLogContext& context,
                             const QString& text) {
    if (QThread::currentThreadId() == quietThread) {
        return;
    }
    if (passedOn != nullptr) {
        passedOn(type, context, text);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
    }
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
// The program that hands an address to the user's browser: the browser the environment
// names, which overrides the desktop's choice, else the desktop's opener. Empty when there is
// neither.
QStringList opener() {
    // BROWSER lists commands separated by colons; the first is taken.
    const QString named = qEnvironmentVariable("BROWSER").section(QLatin1Char(':'), 0, 0);
    if (QStringList command = QProcess::splitCommand(named); !command.isEmpty()) {
        command.front() = QStandardPaths::findExecutable(command.front());
        if (!command.front().isEmpty()) {
            return command;
        }
    }
    const QString desktop = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    return desktop.isEmpty() ? QStringList() : QStringList{desktop};
}
#endif
} // namespace

void withoutLaunchMessages(const std::function<void()>& call) {
    // Installed for the call only, and put back however it ends.
    struct Quiet {
        Quiet() {
            quietThread = QThread::currentThreadId();
            passedOn = qInstallMessageHandler(dropQuietThreadMessages);
        }
        ~Quiet() {
            qInstallMessageHandler(passedOn);
            passedOn = nullptr;
            quietThread = nullptr;
        }
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;
    } quiet;
    call();
}

void DesktopUrlOpener::open(const QString& address) {
    const QUrl url(address, QUrl::TolerantMode);
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Started here rather than through QDesktopServices, which does the same but lets the
    // opener write to the program's standard error, where an opener that finds no browser
    // quotes the address.
    QStringList command = opener();
    if (command.isEmpty()) {
        return; // no browser to hand the address to; failures go unreported
    }
    withoutLaunchMessages([&] {
        QProcess launch;
        launch.setProgram(command.takeFirst());
        launch.setArguments(command << QString::fromLatin1(url.toEncoded()));
        launch.setStandardInputFile(QProcess::nullDevice());
        launch.setStandardOutputFile(QProcess::nullDevice());
        launch.setStandardErrorFile(QProcess::nullDevice());
        // The browser starts detached; whether it came up is deliberately not examined.
        launch.startDetached();
    });
#else
    // The system's own opener is always there.
    withoutLaunchMessages([&] { QDesktopServices::openUrl(url); });
#endif
}

UrlOpener& productionUrlOpener() {
    static DesktopUrlOpener layer;
    return layer;
}

} // namespace platform

#include "Handover.h"

#include "platform/LockInstanceGuard.h"
#include "platform/ModalWindows.h"
#include "ui/frmMain.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

namespace Handover {
namespace {
// How often a reading that waits for a modal window looks again.
constexpr int ModalRetryMilliseconds = 200;
} // namespace

platform::HandoverOutcome Deliver(const QString& folder, const QString& path, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const platform::HandoverOutcome outcome =
            platform::HandOverPath(folder, path, int(deadline.remainingTime()));
        if (outcome != platform::HandoverOutcome::NotTaken ||
            deadline.remainingTime() <= RetryMilliseconds) {
            return outcome;
        }
        QThread::msleep(RetryMilliseconds);
    }
}

QString StartupFile(const QStringList& arguments) {
    if (arguments.size() < 2 || arguments[1].isEmpty()) {
        return {};
    }
    return QFileInfo(arguments[1]).absoluteFilePath();
}

Inbox::Inbox(frmMain& window) : QObject(&window), window_(&window) {
    connect(&window, &frmMain::closing, this, [this] { closing_ = true; });
    retry_.setInterval(ModalRetryMilliseconds);
    connect(&retry_, &QTimer::timeout, this, &Inbox::deliver);
}

bool Inbox::take(const QString& path) {
    if (closing_ || window_.isNull()) {
        return false;
    }
    waiting_.append(path);
    // The sender gets its answer first; the reading opens from the event loop.
    QTimer::singleShot(0, this, &Inbox::deliver);
    return true;
}

void Inbox::deliver() {
    while (!waiting_.isEmpty()) {
        if (closing_ || window_.isNull()) {
            waiting_.clear();
            break;
        }
        if (platform::modalRunning()) {
            retry_.start();
            return;
        }
        const QString path = waiting_.takeFirst();
        frmMain& window = *window_;
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
        window.raise();
        window.activateWindow();
        window.openReadingFile(path);
    }
    retry_.stop();
}

void StartReceiving(frmMain& window) {
    const QString lock = platform::runningInstanceLockPath();
    if (lock.isEmpty()) {
        return;
    }
    const QString socket = platform::handoverSocketFor(lock);
    auto* inbox = new Inbox(window);
    // Kept past the main window, so that a copy started while this one closes is refused
    // rather than left without an answer.
    inbox->setParent(QCoreApplication::instance());
    auto* receiver = new platform::HandoverReceiver(
        [inbox](const QString& path) { return inbox->take(path); }, inbox);
    if (!receiver->listen(socket)) {
        // Later copies then open their readings themselves.
        qWarning("qv-vantrel: readings from other copies cannot be taken: no socket at %s",
                 qPrintable(socket));
    }
}

} // namespace Handover

#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class frmMain;

#include "platform/HandoverChannel.h"

// One program, many files: a copy started with a reading while another copy runs hands the
// reading over and ends; the running copy opens it. A reading is never dropped: a copy that
// cannot hand it over opens it itself.
namespace Handover {

// How long a starting copy keeps offering its reading while a running copy exists.
inline constexpr int AnswerMilliseconds = 3000;
// The pause between two offers, while the running copy is busy, closing or not listening yet.
inline constexpr int RetryMilliseconds = 50;

// Offers `path` to the copies whose instance locks are in `folder`, again and again while
// one runs but none takes it, until `timeoutMs` has passed.
platform::HandoverOutcome Deliver(const QString& folder, const QString& path,
                                  int timeoutMs = AnswerMilliseconds);

// The reading a copy is started with: its first argument, made absolute; empty without one.
QString StartupFile(const QStringList& arguments);

// What a running copy does with a handed-over reading. It refuses once its main window is
// closing. While a modal window runs (platform::modalRunning) the reading waits, in order of
// arrival, until the window has closed. Then it opens as a command-line reading does, and the main
// window comes to the front.
class Inbox final : public QObject {
public:
    explicit Inbox(frmMain& window);
    // True when the reading is taken (opened or waiting), false when refused.
    bool take(const QString& path);
    int waiting() const { return static_cast<int>(waiting_.size()); }

private:
    void deliver();

    QPointer<frmMain> window_;
    QStringList waiting_;
    QTimer retry_;
    bool closing_ = false;
};

// Starts taking readings from copies started later, on the socket of this process's instance
// registration; nothing happens when the process has not registered. When the socket cannot
// be made, that is logged and the copy runs on without taking readings.
void StartReceiving(frmMain& window);

} // namespace Handover

#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class frmMain;

// One program, many files: a copy started with a reading while another copy runs hands the
// reading over and ends; the running copy opens it.
namespace Handover {

// How long a starting copy waits for a running one to take its reading.
inline constexpr int AnswerMilliseconds = 2000;

// The reading a copy is started with: its first argument, made absolute; empty without one.
QString StartupFile(const QStringList& arguments);

// What a running copy does with a handed-over reading. It refuses once its main window is
// closing. While a modal window is open the reading waits, in order of arrival, until the
// window has closed. Then it opens as a command-line reading does, and the main window comes
// to the front.
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
// registration; nothing happens when the process has not registered.
void StartReceiving(frmMain& window);

} // namespace Handover

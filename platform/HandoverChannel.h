#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace platform {

// A file handed from a copy of the program that is starting to one already running, over a
// local socket in the user's own instance folder. Each running copy listens on a socket named
// after its instance lock (".sock" for ".lock"), beside the lock or, where that path would be
// too long for a socket, in a short private folder of the user's in /tmp. The message is the
// absolute path in UTF-8, percent-encoded, ended by a line feed; the answer is "OK" (taken)
// or "NO" (refused), also ended by a line feed. Only the user's own copies talk: a socket owned by
// another user is never contacted, and a connection from another user is closed unanswered. Local
// sockets exist on Linux and macOS; elsewhere no copy listens and a starting copy always opens its
// file itself.

// The folder of the hand-over sockets: the per-user folder of the instance locks.
QString handoverFolder();

// The socket of the instance whose lock file is `lockPath`; its path is always shorter than
// 100 bytes. Empty when no folder for it can be had.
QString handoverSocketFor(const QString& lockPath);

enum class HandoverOutcome {
    Delivered,  // a running copy took the path
    NoReceiver, // no copy is listening: nobody else runs
    NotTaken,   // copies run, but each refused, none answered in time, or none listens yet
};

// Offers `absolutePath` to the copies listening in `folder`, earliest first (by the age of
// their sockets), until one takes it; a refusal passes it on to the next. The whole exchange
// ends within `timeoutMs` milliseconds. `folder` is the folder of the instance locks. A
// socket nobody listens on, whose instance lock is not held either, is a leftover of a copy
// that died: it is removed on the way.
HandoverOutcome HandOverPath(const QString& folder, const QString& absolutePath, int timeoutMs);

// The receiving end, served from the event loop. `take` decides on each path: true takes it,
// false refuses it; only an absolute path without a NUL is offered to it. A connection of
// another user's is closed unanswered, as is a message over 16 KiB. A sender that does not
// finish its message within `senderMs` milliseconds is dropped.
class HandoverReceiver final : public QObject {
    Q_OBJECT
public:
    using Take = std::function<bool(const QString& path)>;
    static constexpr int SenderMilliseconds = 2000;
    explicit HandoverReceiver(Take take, QObject* parent = nullptr,
                              int senderMs = SenderMilliseconds);
    ~HandoverReceiver() override;
    HandoverReceiver(const HandoverReceiver&) = delete;
    HandoverReceiver& operator=(const HandoverReceiver&) = delete;

    // Starts listening on a new socket at `socketPath`, readable and writable by this user
    // only. False when the socket cannot be made (or on a system without local sockets).
    bool listen(const QString& socketPath);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform

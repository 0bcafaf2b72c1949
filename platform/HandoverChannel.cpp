#include "HandoverChannel.h"

#include "LockInstanceGuard.h"
#include "RuntimeFolder.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <vector>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

const QString LockSuffix = QStringLiteral(".lock");
const QString SocketSuffix = QStringLiteral(".sock");
const QByteArray TakenReply = "OK\n";
const QByteArray RefusedReply = "NO\n";

// No path of a real file comes near this, percent-encoded; a longer message is no path.
constexpr qsizetype LongestMessage = 16 * 1024;
// Every system's socket addresses hold a path this long (macOS's hold 103 bytes).
constexpr qsizetype LongestSocketPath = 99;
// The most characters of a socket's name: "instance-" and a UUID, then ".sock".
constexpr qsizetype SocketNameLength = 9 + 36 + 5;

unsigned currentUser() {
#ifdef Q_OS_UNIX
    return ::getuid();
#else
    return 0;
#endif
}

// The folder of the sockets whose instance locks are in `lockFolder`: that folder itself
// when a socket's path there stays short enough; else a private folder of this user's in
// /tmp, one per lock folder, claimed with the same checks as the runtime folder. Empty when
// neither can be had.
QString socketFolderFor(const QString& lockFolder) {
    if (lockFolder.isEmpty()) {
        return {};
    }
    if (QFile::encodeName(lockFolder).size() + 1 + SocketNameLength <= LongestSocketPath) {
        return lockFolder;
    }
    const QString base =
        claimPrivateFolder(QStringLiteral("/tmp/qv-vantrel-") + QString::number(currentUser()));
    if (base.isEmpty()) {
        return {};
    }
    const QByteArray tag =
        QCryptographicHash::hash(QFile::encodeName(lockFolder), QCryptographicHash::Sha1)
            .toHex()
            .left(12);
    return claimPrivateFolder(base + QStringLiteral("/s") + QString::fromLatin1(tag));
}

// The message for a path: its UTF-8 bytes percent-encoded, so that any name, a line feed in
// it too, arrives whole, then a line feed.
QByteArray messageFor(const QString& path) {
    return path.toUtf8().toPercentEncoding() + '\n';
}

} // namespace

QString handoverFolder() {
    return LockInstanceGuard::defaultFolder();
}

QString handoverSocketFor(const QString& lockPath) {
    const QFileInfo lock(lockPath);
    if (!lockPath.endsWith(LockSuffix)) {
        return {};
    }
    const QString folder = socketFolderFor(lock.path());
    if (folder.isEmpty()) {
        return {};
    }
    const QString name = lock.fileName();
    return folder + QLatin1Char('/') + name.left(name.size() - LockSuffix.size()) + SocketSuffix;
}

#ifdef Q_OS_UNIX

namespace {

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    explicit Descriptor(int value) : fd(value) {}
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
};

bool socketAddress(const QString& path, sockaddr_un& address) {
    const QByteArray native = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (native.isEmpty() || static_cast<std::size_t>(native.size()) >= sizeof(address.sun_path)) {
        return false;
    }
    std::copy(native.begin(), native.end(), address.sun_path);
    return true;
}

void setFlags(int fd) {
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
#ifdef SO_NOSIGPIPE
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
#endif
}

int sendFlags() {
#ifdef MSG_NOSIGNAL
    return MSG_NOSIGNAL;
#else
    return 0;
#endif
}

// Waits until `fd` is ready for `events` or the deadline passes.
bool waitFor(int fd, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const qint64 left = deadline.remainingTime();
        const int result = ::poll(&entry, 1, static_cast<int>(std::max<qint64>(0, left)));
        if (result > 0) {
            return true;
        }
        if (result == 0 || errno != EINTR) {
            return false;
        }
    }
}

bool sendAll(int fd, const QByteArray& bytes, const QDeadlineTimer& deadline) {
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + sent,
                                 static_cast<std::size_t>(bytes.size() - sent), sendFlags());
        if (n > 0) {
            sent += n;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            if (!waitFor(fd, POLLOUT, deadline)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

// The first line the other end sends, without its line feed; nothing when none came in time.
std::optional<QByteArray> receiveLine(int fd, const QDeadlineTimer& deadline) {
    QByteArray line;
    char buffer[64];
    while (line.size() < 64) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            line.append(buffer, n);
            const qsizetype end = line.indexOf('\n');
            if (end >= 0) {
                return line.left(end);
            }
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            if (!waitFor(fd, POLLIN, deadline)) {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// A socket of this user's that no other user could have put in place.
bool ownSocket(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISSOCK(status.st_mode) &&
           status.st_uid == ::getuid();
}

struct Candidate {
    QString path;
    QDateTime made;
};

std::vector<Candidate> socketsIn(const QString& folder) {
    std::vector<Candidate> found;
    // No folder (no private runtime folder could be had) means no copies to ask: an empty
    // name would be read as the working folder, and its sockets could be anybody's.
    if (folder.isEmpty()) {
        return found;
    }
    const QDir dir(folder);
    // Filtered by hand: a name pattern would compile a regular expression.
    for (const QString& name : dir.entryList(QDir::System | QDir::Hidden | QDir::Files)) {
        if (name.endsWith(SocketSuffix)) {
            const QString path = dir.filePath(name);
            found.push_back({path, QFileInfo(path).lastModified()});
        }
    }
    std::sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        return a.made != b.made ? a.made < b.made : a.path < b.path;
    });
    return found;
}

enum class Answer { Taken, Refused, None, Unreachable };

Answer offer(const QString& socketPath, const QByteArray& message, const QDeadlineTimer& deadline) {
    sockaddr_un address{};
    if (!ownSocket(socketPath) || !socketAddress(socketPath, address)) {
        return Answer::Unreachable;
    }
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM, 0));
    if (socket.fd < 0) {
        return Answer::Unreachable;
    }
    setFlags(socket.fd);
    if (::connect(socket.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (errno != EINPROGRESS && errno != EAGAIN) {
            return Answer::Unreachable;
        }
        int failure = 0;
        socklen_t size = sizeof failure;
        if (!waitFor(socket.fd, POLLOUT, deadline) ||
            ::getsockopt(socket.fd, SOL_SOCKET, SO_ERROR, &failure, &size) != 0 || failure != 0) {
            return Answer::None; // somebody listens, but takes no call in time
        }
    }
    if (!sendAll(socket.fd, message, deadline)) {
        return Answer::None;
    }
    const std::optional<QByteArray> reply = receiveLine(socket.fd, deadline);
    if (!reply) {
        return Answer::None;
    }
    return *reply + '\n' == TakenReply ? Answer::Taken : Answer::Refused;
}

// The user id at the other end of a connection; nothing when the system does not say.
std::optional<uid_t> peerUser(int fd) {
#if defined(Q_OS_LINUX)
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0) {
        return credentials.uid;
    }
#else
    uid_t user = 0;
    gid_t group = 0;
    if (::getpeereid(fd, &user, &group) == 0) {
        return user;
    }
#endif
    return std::nullopt;
}

// True when a live copy holds an instance lock in `folder`: a copy runs, though it may not
// listen yet.
bool anyLiveInstance(const QString& folder) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (name.endsWith(LockSuffix) && LockInstanceGuard::isHeld(dir.filePath(name))) {
            return true;
        }
    }
    return false;
}

} // namespace

HandoverOutcome HandOverPath(const QString& folder, const QString& absolutePath, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    const QByteArray message = messageFor(absolutePath);
    const std::vector<Candidate> candidates = socketsIn(socketFolderFor(folder));
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Candidate& candidate = candidates[i];
        if (deadline.hasExpired()) {
            break;
        }
        // Each copy left gets its share of the time left, so that one that hangs cannot keep
        // the reading from the copies after it.
        const QDeadlineTimer share(deadline.remainingTime() /
                                   static_cast<qint64>(candidates.size() - i));
        switch (offer(candidate.path, message, share)) {
        case Answer::Taken:
            return HandoverOutcome::Delivered;
        case Answer::Refused:
        case Answer::None:
            break; // the next copy may take it
        case Answer::Unreachable: {
            // Nobody listens. Only when its instance is gone too is the socket a leftover;
            // one whose copy is still starting up is left alone.
            const QString name = QFileInfo(candidate.path).fileName();
            const QString lock = folder + QLatin1Char('/') +
                                 name.left(name.size() - SocketSuffix.size()) + LockSuffix;
            if (ownSocket(candidate.path) && !LockInstanceGuard::isHeld(lock)) {
                ::unlink(QFile::encodeName(candidate.path).constData());
            }
            break;
        }
        }
    }
    // A copy that refused, or one not listening yet, is still a copy that runs.
    return !folder.isEmpty() && anyLiveInstance(folder) ? HandoverOutcome::NotTaken
                                                        : HandoverOutcome::NoReceiver;
}

// One sender's connection, read until its line feed.
class Connection final : public QObject {
public:
    Connection(int fd, HandoverReceiver::Take& take, int senderMs, QObject* parent)
        : QObject(parent), fd_(fd), take_(take), notifier_(fd, QSocketNotifier::Read, this) {
        connect(&notifier_, &QSocketNotifier::activated, this, &Connection::readable);
        // A sender that goes silent is dropped: it holds nothing up meanwhile.
        QTimer::singleShot(senderMs, this, &Connection::finish);
    }
    ~Connection() override {
        notifier_.setEnabled(false);
        ::close(fd_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

private:
    void readable() {
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
            if (n > 0) {
                received_.append(buffer, n);
                const qsizetype end = received_.indexOf('\n');
                // Too long for a path: dropped unanswered, ended or not.
                if ((end < 0 ? received_.size() : end) > LongestMessage) {
                    finish();
                    return;
                }
                if (end >= 0) {
                    answer(QString::fromUtf8(QByteArray::fromPercentEncoding(received_.left(end))));
                    return;
                }
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else {
                if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
                    finish();
                }
                return;
            }
        }
    }
    void answer(const QString& path) {
        notifier_.setEnabled(false);
        // Only an absolute path without stray characters can name the file meant.
        bool taken = false;
        if (QDir::isAbsolutePath(path) && !path.contains(QChar(0)) && take_) {
            try {
                taken = take_(path);
            } catch (...) {
                taken = false;
            }
        }
        const QByteArray& reply = taken ? TakenReply : RefusedReply;
        ::send(fd_, reply.constData(), static_cast<std::size_t>(reply.size()), sendFlags());
        finish();
    }
    void finish() {
        notifier_.setEnabled(false);
        deleteLater();
    }

    int fd_;
    HandoverReceiver::Take& take_;
    QSocketNotifier notifier_;
    QByteArray received_;
};

struct HandoverReceiver::Impl {
    Take take;
    int senderMs = 0;
    int fd = -1;
    QByteArray path;
    QSocketNotifier* notifier = nullptr;
};

HandoverReceiver::HandoverReceiver(Take take, QObject* parent, int senderMs)
    : QObject(parent), impl_(std::make_unique<Impl>()) {
    impl_->take = std::move(take);
    impl_->senderMs = senderMs;
}

HandoverReceiver::~HandoverReceiver() {
    if (impl_->fd >= 0) {
        delete impl_->notifier; // before its descriptor closes
        ::close(impl_->fd);
        ::unlink(impl_->path.constData());
    }
}

bool HandoverReceiver::listen(const QString& socketPath) {
    if (impl_->fd >= 0) {
        return false;
    }
    sockaddr_un address{};
    if (!socketAddress(socketPath, address)) {
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) {
        return false;
    }
    setFlags(fd);
    // Made readable and writable by this user only, from the start.
    const mode_t previous = ::umask(0177);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(previous);
    // Room for every copy a file manager starts at once.
    if (!bound || ::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        return false;
    }
    impl_->fd = fd;
    impl_->path = QFile::encodeName(socketPath);
    impl_->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(impl_->notifier, &QSocketNotifier::activated, this, [this] {
        for (;;) {
            const int client = ::accept(impl_->fd, nullptr, nullptr);
            if (client < 0) {
                return;
            }
            setFlags(client);
            const std::optional<uid_t> user = peerUser(client);
            if (!user || *user != ::getuid()) {
                ::close(client); // another user's program: no answer at all
                continue;
            }
            new Connection(client, impl_->take, impl_->senderMs, this);
        }
    });
    return true;
}

#else // no local sockets

HandoverOutcome HandOverPath(const QString&, const QString&, int) {
    return HandoverOutcome::NoReceiver;
}

struct HandoverReceiver::Impl {
    Take take;
};

HandoverReceiver::HandoverReceiver(Take take, QObject* parent, int)
    : QObject(parent), impl_(std::make_unique<Impl>()) {
    impl_->take = std::move(take);
}

HandoverReceiver::~HandoverReceiver() = default;

bool HandoverReceiver::listen(const QString&) {
    return false;
}

#endif

} // namespace platform

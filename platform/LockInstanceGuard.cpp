#include "LockInstanceGuard.h"

#include "Production.h"
#include "RuntimeFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QUuid>

#include <algorithm>
#include <optional>

#ifdef Q_OS_UNIX
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {
const QString& lockSuffix() {
    static const QString suffix = QStringLiteral(".lock");
    return suffix;
}

// A live instance writes its details right after creating its file; an empty file older
// than this has no owner left.
constexpr qint64 unfinishedLockSeconds = 30;

bool isLeftover(const QString& path) {
    const QDateTime modified = QFileInfo(path).lastModified();
    return modified.isValid() &&
           modified.secsTo(QDateTime::currentDateTime()) > unfinishedLockSeconds;
}

#ifdef Q_OS_LINUX
// The fields of /proc/<pid>/stat after the command name, which may itself hold spaces and
// parentheses; the first of them is the third field, the process state.
QList<QByteArray> processStatFields(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray line = file.readAll();
    const qsizetype nameEnd = line.lastIndexOf(')');
    return nameEnd < 0 ? QList<QByteArray>{} : line.mid(nameEnd + 1).simplified().split(' ');
}
#endif

// True when the process belongs to this user: only such a process can be an instance of the
// program for this user.
bool ownedByThisUser(qint64 pid) {
#if defined(Q_OS_LINUX)
    struct stat status {};
    return ::stat(QStringLiteral("/proc/%1").arg(pid).toLatin1().constData(), &status) == 0 &&
           status.st_uid == ::geteuid();
#elif defined(Q_OS_UNIX)
    // Only the superuser may signal other users' processes; it counts none of them.
    return ::geteuid() != 0 && ::kill(pid_t(pid), 0) == 0;
#else
    Q_UNUSED(pid);
    return true; // the lock folder is the user's own
#endif
}

// When the process started, in clock ticks since the system started; nothing where the
// system does not tell.
std::optional<qint64> processStart(qint64 pid) {
#ifdef Q_OS_LINUX
    // The start time is the 22nd field of the line.
    constexpr qsizetype startField = 22 - 3;
    const QList<QByteArray> fields = processStatFields(pid);
    bool ok = false;
    const qint64 ticks = fields.size() > startField ? fields.at(startField).toLongLong(&ok) : 0;
    return ok ? std::optional<qint64>(ticks) : std::nullopt;
#else
    Q_UNUSED(pid);
    return std::nullopt;
#endif
}

// The process that holds the lock file at `path`, while it is alive and this user's.
// Stale and unfinished files of dead processes are removed on the way.
std::optional<qint64> liveOwner(const QString& path) {
    QLockFile probe(path);
    probe.setStaleLockTime(0);
    // Taking the lock succeeds only when its owner is gone: QLockFile then clears the stale
    // file first. The probe's unlock removes the file again.
    if (probe.tryLock(0)) {
        probe.unlock();
        return std::nullopt;
    }
    if (probe.error() != QLockFile::LockFailedError) {
        return std::nullopt;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    if (!probe.getLockInfo(&pid, &host, &application)) {
        if (isLeftover(path)) {
            // A file without lock details that nobody completed: a process died between
            // creating it and writing into it.
            QFile::remove(path);
        }
        return std::nullopt;
    }
    // A lock naming another user's process is no instance of ours, whatever its name.
    if (!ownedByThisUser(pid)) {
        return std::nullopt;
    }
    return pid;
}

bool heldByLiveProcess(const QString& path) {
    return liveOwner(path).has_value();
}

LockInstanceGuard& productionLockGuard() {
    static LockInstanceGuard layer(LockInstanceGuard::defaultFolder());
    return layer;
}
} // namespace

LockInstanceGuard::LockInstanceGuard(const QString& folder) : folder_(folder) {}

LockInstanceGuard::~LockInstanceGuard() = default;

QString LockInstanceGuard::defaultFolder() {
    const QString base = userRuntimeFolder();
    if (base.isEmpty()) {
        return {};
    }
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return base + QStringLiteral("/qv-vantrel-instances/") + program;
}

bool LockInstanceGuard::registerThisInstance() {
    if (own_ != nullptr) {
        return true;
    }
    if (folder_.isEmpty() || !QDir().mkpath(folder_)) {
        return false;
    }
    // Noted before this instance's own lock exists: of two instances starting at the same
    // moment neither is ended, rather than both.
    QStringList earlier = liveLocks();
    // A fresh name per instance: a new process that happens to get the process id of a
    // crashed one never meets that one's file as its own.
    const QString name = QStringLiteral("instance-") +
                         QUuid::createUuid().toString(QUuid::WithoutBraces) + lockSuffix();
    auto lock = std::make_unique<QLockFile>(folder_ + QLatin1Char('/') + name);
    // Held for the whole run: only a dead owner makes it stale, never its age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        return false;
    }
    own_ = std::move(lock);
    earlier_ = std::move(earlier);
    return true;
}

QStringList LockInstanceGuard::liveLocks() const {
    if (folder_.isEmpty()) {
        return {};
    }
    const QDir dir(folder_);
    // Filtered here rather than by a name pattern: a pattern is compiled into a regular
    // expression, which costs the start-up the expression engine and its memory.
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
    const QString ownPath = own_ != nullptr ? own_->fileName() : QString();
    QStringList live;
    for (const QString& name : names) {
        if (!name.endsWith(lockSuffix())) {
            continue;
        }
        const QString path = dir.filePath(name);
        if (path != ownPath && heldByLiveProcess(path)) {
            live.append(path);
        }
    }
    return live;
}

bool LockInstanceGuard::anotherInstanceRunning() {
    if (own_ == nullptr) {
        // Without a lock of its own (not registered yet, or registering failed) an instance
        // cannot tell earlier locks from later ones by when they appeared, so it asks the
        // system when each process started. Where it cannot, nothing counts: ending the
        // first instance because of a later one would be worse than keeping a second one.
        const std::optional<qint64> ownStart = processStart(QCoreApplication::applicationPid());
        if (!ownStart) {
            return false;
        }
        const QStringList live = liveLocks();
        return std::any_of(live.begin(), live.end(), [&](const QString& path) {
            const std::optional<qint64> owner = liveOwner(path);
            const std::optional<qint64> start = owner ? processStart(*owner) : std::nullopt;
            return start && *start < *ownStart;
        });
    }
    // Each lock file name is fresh per instance, so a file gone stale never comes back:
    // an earlier instance that ended is dropped for good.
    earlier_.removeIf([](const QString& path) { return !heldByLiveProcess(path); });
    return !earlier_.isEmpty();
}

QString LockInstanceGuard::lockPath() const {
    return own_ != nullptr ? own_->fileName() : QString();
}

bool LockInstanceGuard::isHeld(const QString& path) {
    return heldByLiveProcess(path);
}

InstanceGuard& productionInstanceGuard() {
    return productionLockGuard();
}

void registerRunningInstance() {
    productionLockGuard().registerThisInstance();
}

QString runningInstanceLockPath() {
    return productionLockGuard().lockPath();
}

} // namespace platform

#include "LockInstanceGuard.h"

#include "Production.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUuid>

#ifdef Q_OS_UNIX
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

// True while the lock file at `path` is held by a live process. Stale and unfinished
// files of dead processes are removed on the way.
bool heldByLiveProcess(const QString& path) {
    QLockFile probe(path);
    probe.setStaleLockTime(0);
    // Taking the lock succeeds only when its owner is gone: QLockFile then clears the stale
    // file first. The probe's unlock removes the file again.
    if (probe.tryLock(0)) {
        probe.unlock();
        return false;
    }
    if (probe.error() != QLockFile::LockFailedError) {
        return false;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    if (!probe.getLockInfo(&pid, &host, &application) && isLeftover(path)) {
        // A file without lock details that nobody completed: a process died between
        // creating it and writing into it.
        QFile::remove(path);
        return false;
    }
    return true;
}

// A name that tells this user's folder apart in a folder all users share.
QString userTag() {
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    QString name = qEnvironmentVariable("USERNAME");
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return name.isEmpty() ? QStringLiteral("user") : name;
#endif
}

LockInstanceGuard& productionLockGuard() {
    static LockInstanceGuard layer(LockInstanceGuard::defaultFolder());
    return layer;
}
} // namespace

LockInstanceGuard::LockInstanceGuard(const QString& folder) : folder_(folder) {}

LockInstanceGuard::~LockInstanceGuard() = default;

QString LockInstanceGuard::defaultFolder() {
    // The runtime folder is the user's own; the temporary folder is shared by all users, so
    // there the folder name carries the user.
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty()) {
        base = QDir::tempPath() + QStringLiteral("/qv-vantrel-instances-") + userTag();
    } else {
        base += QStringLiteral("/qv-vantrel-instances");
    }
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return base + QLatin1Char('/') + program;
}

bool LockInstanceGuard::registerThisInstance() {
    if (own_ != nullptr) {
        return true;
    }
    if (!QDir().mkpath(folder_)) {
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
        return !liveLocks().isEmpty();
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

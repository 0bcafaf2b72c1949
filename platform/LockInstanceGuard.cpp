#include "LockInstanceGuard.h"

#include "Production.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

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

LockInstanceGuard& productionLockGuard() {
    static LockInstanceGuard layer(LockInstanceGuard::defaultFolder());
    return layer;
}
} // namespace

LockInstanceGuard::LockInstanceGuard(const QString& folder) : folder_(folder) {}

LockInstanceGuard::~LockInstanceGuard() = default;

QString LockInstanceGuard::defaultFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty()) {
        base = QDir::tempPath();
    }
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return base + QStringLiteral("/qv-vantrel-instances/") + program;
}

bool LockInstanceGuard::registerThisInstance() {
    if (own_ != nullptr) {
        return true;
    }
    if (!QDir().mkpath(folder_)) {
        return false;
    }
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
    return true;
}

bool LockInstanceGuard::anotherInstanceRunning() {
    const QDir dir(folder_);
    const QStringList names =
        dir.entryList({QStringLiteral("*") + lockSuffix()}, QDir::Files | QDir::Hidden);
    const QString ownPath = own_ != nullptr ? own_->fileName() : QString();
    bool another = false;
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        if (path == ownPath) {
            continue;
        }
        QLockFile probe(path);
        probe.setStaleLockTime(0);
        // Taking the lock succeeds only when its owner is gone: QLockFile then clears the
        // stale file first. The probe's unlock removes the file again.
        if (probe.tryLock(0)) {
            probe.unlock();
            continue;
        }
        if (probe.error() != QLockFile::LockFailedError) {
            continue;
        }
        qint64 pid = 0;
        QString host;
        QString application;
        if (!probe.getLockInfo(&pid, &host, &application) && isLeftover(path)) {
            // A file without lock details that nobody completed: a process died between
            // creating it and writing into it.
            QFile::remove(path);
            continue;
        }
        another = true;
    }
    return another;
}

InstanceGuard& productionInstanceGuard() {
    return productionLockGuard();
}

void registerRunningInstance() {
    productionLockGuard().registerThisInstance();
}

} // namespace platform

#pragma once

#include "InstanceGuard.h"

#include <QString>
#include <QStringList>

#include <memory>

class QLockFile;

namespace platform {

// Each running instance holds a lock file of its own in a per-user folder from start-up
// until it ends. On registering, an instance notes the other locks then held by live
// processes: the instances that were already running. Another instance is running when one
// of those earlier instances is still alive; instances started later never count, so the
// first instance is never ended by a second one. A lock whose process has died (a crash, a
// kill) is found stale by QLockFile from the process id recorded in it and removed, so it
// never counts; nor does a lock that names another user's process.
//
// QLockFile checks a recorded process id against the running process's executable name and
// the recorded application name: the program must keep Qt's default application name, the
// executable's base name.
class LockInstanceGuard final : public InstanceGuard {
public:
    // Lock files live in `folder`; it is created when missing. With the empty text there is
    // no folder to use: nothing registers and no other instance is ever seen.
    explicit LockInstanceGuard(const QString& folder);
    ~LockInstanceGuard() override;
    LockInstanceGuard(const LockInstanceGuard&) = delete;
    LockInstanceGuard& operator=(const LockInstanceGuard&) = delete;

    // Notes the instances already running and takes this instance's own lock; harmless when
    // called again. False when no lock could be made (an unwritable folder): this instance
    // then stays invisible to others.
    bool registerThisInstance();
    // Without a registration of its own (not yet, or it failed), a live lock counts when its
    // process started before this one, where the system tells start times; elsewhere none.
    bool anotherInstanceRunning() override;

    // The folder of the program's instance locks, one per executable name, in the user's
    // private runtime folder (userRuntimeFolder); the empty text when there is none.
    static QString defaultFolder();

    // This instance's own lock file; empty before registering.
    QString lockPath() const;
    // True while the lock file at `path` is held by a live process.
    static bool isHeld(const QString& path);

private:
    // Other lock files held by live processes now.
    QStringList liveLocks() const;

    QString folder_;
    std::unique_ptr<QLockFile> own_;
    QStringList earlier_; // lock files of the instances running when this one registered
};

// Registers this process with the production guard; main() calls it at start-up, so that an
// instance that never opens a reading is still seen by others.
void registerRunningInstance();
// The lock file of that registration; empty when the process has not registered.
QString runningInstanceLockPath();

} // namespace platform

#pragma once

#include "SettingsStore.h"

#include "ProgramInfo.h"

namespace platform {

// The organization folder under which every record of the program lives, instead of the
// "Unknown Organization" Qt would otherwise use.
inline const QString& settingsOrganization() {
    static const QString organization = QLatin1String(ProgramInfo::Name);
    return organization;
}

// Settings in Qt's INI format, one file per application name under the organization folder:
// on Linux and other Unix desktops the user's own <config>/<organization>/<application>.conf,
// where QSettings keeps them. Given a folder, the store keeps its files there instead:
// <folder>/<organization>/<application>.ini (used by tests). On Windows and macOS the default
// store is the system's own (registry, property list), used through QSettings.
//
// A settings file is a path the user, or anything running as the user, can replace with a
// FIFO, a folder or a stale lock that cannot be removed, on which QSettings would wait for
// ever. So the store never lets QSettings near the file: it reads the file with a
// non-blocking open of regular files only, lets QSettings read and change a private copy,
// and writes the result back with QSaveFile under the same lock file QSettings takes, waiting
// for that lock at most `lockWaitMs`.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore() = default;
    explicit QtSettingsStore(const QString& folder) : folder_(folder) {}

    std::optional<QString> read(const QString& application, const QString& section,
                                const QString& key) override;
    bool write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;
    bool update(const QString& application, const QString& section,
                const std::function<void(Values&)>& change) override;

    // The file that holds an application's values, or the empty text where the default
    // store is not a file.
    QString recordFile(const QString& application) const;

    // Longest wait for another writer's lock, in milliseconds.
    static constexpr int lockWaitMs = 800;
    // A settings file larger than this, in bytes, is not the program's and is left alone.
    static constexpr qint64 largestFile = 1 << 20;

private:
    QString folder_;
};

} // namespace platform

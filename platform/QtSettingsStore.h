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

// Settings over QSettings, one store per application name under the organization folder.
// The default store is the user's own (registry on Windows, ~/.config on Linux, a property
// list on macOS). Given a folder, the store keeps INI files there instead:
// <folder>/<organization>/<application>.ini (used by tests).
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore() = default;
    explicit QtSettingsStore(const QString& folder) : folder_(folder) {}

    QString read(const QString& application, const QString& section, const QString& key) override;
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;

private:
    QString folder_;
};

} // namespace platform

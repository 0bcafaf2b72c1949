#pragma once

#include <QString>

namespace platform {

// Per-user string values addressed by application name, section and key.
// A missing key reads as the empty text.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& application, const QString& section,
                         const QString& key) = 0;
    virtual void write(const QString& application, const QString& section, const QString& key,
                       const QString& value) = 0;
};

} // namespace platform

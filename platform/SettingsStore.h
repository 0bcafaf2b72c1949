#pragma once

#include <QString>

#include <optional>

namespace platform {

// Per-user string values addressed by application name, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // A missing key reads as the empty text. Nothing when the store cannot be read without
    // risk: its file is no regular file, or it cannot be opened.
    virtual std::optional<QString> read(const QString& application, const QString& section,
                                        const QString& key) = 0;
    // False when the value could not be written; what was stored before is then unchanged.
    virtual bool write(const QString& application, const QString& section, const QString& key,
                       const QString& value) = 0;
};

} // namespace platform

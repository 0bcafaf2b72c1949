#pragma once

#include <QMap>
#include <QString>

#include <functional>
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

    // The values of one section, by key.
    using Values = QMap<QString, QString>;
    // Reads a section's values, lets `change` change them and stores the result, all under one
    // lock: a value another copy of the program stores meanwhile is never lost, and theirs
    // never lose this one. Keys `change` removes are removed. False when the values could not
    // be read or stored; what was stored before is then unchanged.
    virtual bool update(const QString& application, const QString& section,
                        const std::function<void(Values&)>& change) = 0;
};

} // namespace platform

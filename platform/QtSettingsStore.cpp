#include "QtSettingsStore.h"

#include "Production.h"

#include <QSettings>

#include <memory>

namespace platform {

namespace {
std::unique_ptr<QSettings> openStore(const QString& folder, const QString& application) {
    if (folder.isEmpty()) {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           settingsOrganization(), application);
    }
    return std::make_unique<QSettings>(folder + QLatin1Char('/') + settingsOrganization() +
                                           QLatin1Char('/') + application + QStringLiteral(".ini"),
                                       QSettings::IniFormat);
}
} // namespace

QString QtSettingsStore::read(const QString& application, const QString& section,
                              const QString& key) {
    const auto store = openStore(folder_, application);
    store->beginGroup(section);
    return store->value(key).toString();
}

void QtSettingsStore::write(const QString& application, const QString& section, const QString& key,
                            const QString& value) {
    const auto store = openStore(folder_, application);
    store->beginGroup(section);
    store->setValue(key, value);
    store->endGroup();
    // Written at once: the process may end right after, without running destructors.
    store->sync();
}

SettingsStore& productionSettingsStore() {
    static QtSettingsStore layer;
    return layer;
}

} // namespace platform

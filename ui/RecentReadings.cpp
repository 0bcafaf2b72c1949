#include "RecentReadings.h"

#include "platform/Services.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>

namespace RecentReadings {
namespace {

const QString Section = QStringLiteral("Recent Readings");

QString key(int number) {
    return QStringLiteral("File") + QString::number(number);
}

// The settings record of the program: the executable's base name, as the reminder's.
QString application() {
    return QCoreApplication::applicationName();
}

} // namespace

QStringList Added(const QStringList& list, const QString& path) {
    if (path.isEmpty()) {
        return list;
    }
    QStringList result{path};
    for (const QString& entry : list) {
        if (entry != path && !entry.isEmpty() && result.size() < Limit) {
            result.append(entry);
        }
    }
    return result;
}

QString MenuCaption(int number, const QString& path) {
    QString shown = path;
    if (shown.size() > LongestShown) {
        // The end holds the file's name, so more of it stays than of the start.
        const qsizetype head = LongestShown / 3;
        const qsizetype tail = LongestShown - head - 1;
        shown = shown.left(head) + QChar(0x2026) + shown.right(tail);
    }
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    // A tab would split the caption into a caption and a shortcut text.
    shown.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return QLatin1Char('&') + QString::number(number) + QLatin1Char(' ') + shown;
}

namespace {
// The list as the section's values hold it.
QStringList listOf(const std::function<QString(const QString&)>& value) {
    QStringList list;
    for (int number = 1; number <= Limit; ++number) {
        const QString path = value(key(number));
        if (!path.isEmpty() && !list.contains(path)) {
            list.append(path);
        }
    }
    return list;
}
} // namespace

QStringList Load() {
    platform::SettingsStore& store = *platform::services().settings;
    return listOf([&](const QString& name) {
        return store.read(application(), Section, name).value_or(QString());
    });
}

bool Change(const std::function<QStringList(const QStringList&)>& change) {
    return platform::services().settings->update(
        application(), Section, [&](platform::SettingsStore::Values& values) {
            const QStringList list =
                change(listOf([&](const QString& name) { return values.value(name); }));
            for (int number = 1; number <= Limit; ++number) {
                values.insert(key(number), list.value(number - 1));
            }
        });
}

void Store(const QStringList& list) {
    Change([&](const QStringList&) { return list; });
}

} // namespace RecentReadings

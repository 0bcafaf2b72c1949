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

QStringList Load() {
    QStringList list;
    platform::SettingsStore& store = *platform::services().settings;
    for (int number = 1; number <= Limit; ++number) {
        const QString path = store.read(application(), Section, key(number)).value_or(QString());
        if (!path.isEmpty() && !list.contains(path)) {
            list.append(path);
        }
    }
    return list;
}

void Store(const QStringList& list) {
    platform::SettingsStore& store = *platform::services().settings;
    for (int number = 1; number <= Limit; ++number) {
        // A store that cannot be written keeps what it had; the entries after it are not tried.
        if (!store.write(application(), Section, key(number), list.value(number - 1))) {
            return;
        }
    }
}

} // namespace RecentReadings

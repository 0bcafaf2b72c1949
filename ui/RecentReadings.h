#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The list of readings lately opened or saved, newest first, as the File menu shows it.
namespace RecentReadings {

inline constexpr int Limit = 5;
// Paths longer than this many characters are shortened in the middle for the menu.
inline constexpr qsizetype LongestShown = 60;

// The list with `path` in front: an earlier entry of the same path moves up, and no more
// than Limit entries stay. An empty path leaves the list as it was.
QStringList Added(const QStringList& list, const QString& path);

// The menu caption of entry `number` (1 to Limit): its access key, then the path, its
// middle replaced by "…" when it is long, every "&" shown as itself.
QString MenuCaption(int number, const QString& path);

// The list kept in the program's settings store, at most Limit entries, empty ones skipped.
QStringList Load();
// Changes the stored list as `change` says, in one step of the store: two copies of the
// program changing it at once never lose each other's entries. False when it could not be.
bool Change(const std::function<QStringList(const QStringList&)>& change);
void Store(const QStringList& list);

} // namespace RecentReadings

#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Writes `bytes` to `path` whole or not at all: through QSaveFile, every write checked,
// flushed, checked again, then committed; otherwise cancelled. Returns the empty text on
// success, else the system's reason.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace platform

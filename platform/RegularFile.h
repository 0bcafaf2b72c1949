#pragma once

#include <QIODevice>
#include <QString>

#include <memory>

namespace platform {

// Opens a path for reading only when it names a regular file: a folder, a FIFO (whose opening
// alone would wait for a writer) or a device that never ends gives nothing. Where the system
// allows, the file is opened without waiting and checked again once open, so a path swapped
// between the check and the opening cannot block either.
std::unique_ptr<QIODevice> OpenRegularFile(const QString& path);

} // namespace platform

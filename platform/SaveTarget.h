#pragma once

#include <QString>

namespace platform {

// The checks on a path chosen to be written, made before anything is written there.

// The message refusing `path` when it is a symbolic link another user may have placed: one
// another user owns, or one in a folder others may write to without the sticky bit, which
// keeps them from replacing entries that are not theirs. The empty text otherwise.
QString untrustedLinkRefusal(const QString& path);

// The file that writing `path` would replace, named as the user knows it: `path` itself, or,
// for a link, the file it leads to. The empty text when nothing would be replaced.
QString fileReplacedBy(const QString& path);

} // namespace platform

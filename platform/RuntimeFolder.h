#pragma once

#include <QString>

namespace platform {

// True when `path` is a folder, not a link to one, that belongs to this user and that no
// one else may enter: owner only, mode 0700. Checked with lstat, so a link is never followed.
bool isPrivateFolder(const QString& path);

// `path` when it is this user's private folder: created with mode 0700 when missing, or
// found so. The empty text when anything else is there (a folder of another user, one that
// others may enter, a link, a file).
QString claimPrivateFolder(const QString& path);

// The folder for this user's running instances of the program, and anything they share
// between them (locks, sockets): the user's runtime folder (XDG_RUNTIME_DIR) when it is a
// private folder; otherwise "qv-vantrel-<user id>" in the temporary folder, claimed as
// above. The empty text when neither is safe: the caller then goes without.
QString userRuntimeFolder();

} // namespace platform

#include "SaveTarget.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

QString untrustedLinkRefusal(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat link {};
    if (::lstat(QFile::encodeName(path).constData(), &link) != 0 || !S_ISLNK(link.st_mode)) {
        return {};
    }
    struct stat folder {};
    const QString folderPath = QFileInfo(path).absolutePath();
    const bool folderSafe =
        ::stat(QFile::encodeName(folderPath).constData(), &folder) == 0 &&
        ((folder.st_mode & (S_IWGRP | S_IWOTH)) == 0 || (folder.st_mode & S_ISVTX) != 0);
    if (link.st_uid == ::getuid() && folderSafe) {
        return {};
    }
    return QCoreApplication::translate("SaveTarget",
                                       "%1 is a link that another user may have placed there. "
                                       "Choose another name.")
        .arg(path);
#else
    Q_UNUSED(path);
    return {};
#endif
}

QString fileReplacedBy(const QString& path) {
    const QFileInfo entry(path);
    if (!entry.exists()) {
        return {};
    }
    return entry.isSymLink() ? entry.canonicalFilePath() : path;
}

} // namespace platform

#include "RuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {
// A name that tells this user's folder apart in a folder all users share.
QString userTag() {
#ifdef Q_OS_UNIX
    return QString::number(::geteuid());
#else
    QString name = qEnvironmentVariable("USERNAME");
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return name.isEmpty() ? QStringLiteral("user") : name;
#endif
}
} // namespace

bool isPrivateFolder(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        return false;
    }
    return S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
           (status.st_mode & 07777) == 0700;
#else
    // The temporary and runtime folders are the user's own here.
    return QFileInfo(path).isDir() && !QFileInfo(path).isSymLink();
#endif
}

QString claimPrivateFolder(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
#ifdef Q_OS_UNIX
    // Created or not, the folder is then checked: one made by another user first, or a link
    // put in its place, fails the check.
    if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
#else
    QDir().mkpath(path);
#endif
    return isPrivateFolder(path) ? path : QString();
}

QString userRuntimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime)) {
        return runtime;
    }
    return claimPrivateFolder(QDir::tempPath() + QStringLiteral("/qv-vantrel-") + userTag());
}

} // namespace platform

#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

std::unique_ptr<QIODevice> OpenRegularFile(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        return nullptr;
    }
    auto file = std::make_unique<QFile>();
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
#else
    file->setFileName(path);
    if (!file->open(QIODevice::ReadOnly)) {
        return nullptr;
    }
#endif
    return file;
}

} // namespace platform

#include "WholeFile.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace platform {

namespace {
QString reasonOf(const QSaveFile& file) {
    const QString reason = file.errorString();
    return reason.isEmpty() || reason == QLatin1String("Unknown error")
               ? QCoreApplication::translate("WholeFile", "the file could not be written")
               : reason;
}
} // namespace

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return reasonOf(file);
    }
    // A short write may show only when the buffer is flushed (a disk that fills up), and
    // Qt's commit() does not check its own last flush: so both are checked here, before the
    // new file may take the old one's place.
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        const QString reason = reasonOf(file);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return reasonOf(file);
    }
    return {};
}

} // namespace platform

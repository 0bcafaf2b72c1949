#include "WholeFile.h"

#include <QSaveFile>

namespace platform {
namespace {

// The reason a write failed, never empty.
QString reasonOf(const QSaveFile& file) {
    const QString reason = file.errorString();
    return reason.isEmpty() ? QStringLiteral("the file could not be written") : reason;
}

} // namespace

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return reasonOf(file);
    }
    // Flushed here, with its result checked: a short write found only while committing (a
    // disk that fills up) would otherwise replace the file with the part that fitted.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
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

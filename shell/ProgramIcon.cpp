#include "ProgramIcon.h"

#include <QImageReader>

// Resources of a static library must be registered by name before first use.
static void registerShellResources() {
    Q_INIT_RESOURCE(shell);
}

namespace ProgramIcon {

QIcon icon() {
    static const QIcon programIcon = [] {
        registerShellResources();
        // Read with the built-in PNG reader only. Left to guess, the reader would first load
        // every image-format plugin to ask each whether it reads PNG, which puts them and their
        // libraries into every start-up.
        QImageReader reader(QStringLiteral(":/icons/qv-vantrel.png"), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
    }();
    return programIcon;
}

QPixmap pixmap(int size) {
    return icon().pixmap(size, size);
}

} // namespace ProgramIcon

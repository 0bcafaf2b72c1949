#include "DesktopUrlOpener.h"

#include "Production.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

void DesktopUrlOpener::open(const QString& address) {
    // The browser starts detached; whether it came up is deliberately not examined.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

UrlOpener& productionUrlOpener() {
    static DesktopUrlOpener layer;
    return layer;
}

} // namespace platform

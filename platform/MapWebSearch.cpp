#include "MapWebSearch.h"

#include "Production.h"
#include "Services.h"
#include "UrlOpener.h"

#include <QUrl>

namespace platform {

QString mapSearchAddress(const QString& searchText) {
    return QStringLiteral("https://www.openstreetmap.org/search?query=") +
           QString::fromLatin1(QUrl::toPercentEncoding(searchText));
}

void MapWebSearch::Search(const QString& searchText) {
    services().urls->open(mapSearchAddress(searchText));
}

WebSearch& productionWebSearch() {
    static MapWebSearch layer;
    return layer;
}

} // namespace platform

#include "PlaceSearch.h"

namespace PlaceSearch {

QString Capped(const QString& entry) {
    qsizetype end = 0;
    for (qsizetype characters = 0; characters < LongestEntry && end < entry.size(); ++characters) {
        const bool pair = entry.at(end).isHighSurrogate() && end + 1 < entry.size() &&
                          entry.at(end + 1).isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return entry.left(end);
}

QString SearchText(const QString& city, const QString& state, const QString& country) {
    return Capped(city) + QLatin1Char(' ') + Capped(state) + QLatin1Char(' ') + Capped(country) +
           QStringLiteral(" Latitude Longitude");
}

} // namespace PlaceSearch

#include "ChosenPlace.h"

#include "PlaceFinder.h"

#include <QTimeZone>
#include <QVariant>

// The finder keeps its place as the list {zone id, longitude in minutes, in charge}.
std::optional<ChosenPlace> chosenPlaceOf(const PlaceFinder& finder) {
    const QVariantList fields = finder.state().toList();
    if (fields.size() != 3) {
        return std::nullopt;
    }
    return ChosenPlace{QString::fromLatin1(fields[0].toByteArray()), fields[2].toBool()};
}

void restoreChosenPlace(PlaceFinder& finder, const std::optional<ChosenPlace>& place,
                        int longitudeMinutes) {
    const QByteArray zone = place ? place->timeZoneId.toLatin1() : QByteArray();
    if (!place || zone.isEmpty() || QString::fromLatin1(zone) != place->timeZoneId ||
        !QTimeZone::isTimeZoneIdAvailable(zone)) {
        finder.restoreState({});
        return;
    }
    finder.restoreState(QVariantList{zone, longitudeMinutes, place->zoneFromPlace});
}

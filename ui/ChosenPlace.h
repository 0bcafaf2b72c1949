#pragma once

#include <QString>

#include <optional>

class PlaceFinder;

// The place chosen in the place finder as a reading file keeps it: its zone and whether it
// is in charge of the zone boxes. The one meeting point of reading files and the finder.
struct ChosenPlace {
    QString timeZoneId; // IANA id, e.g. "Asia/Kathmandu"
    bool zoneFromPlace = false;
};

// The finder's chosen place; nothing when none is chosen.
std::optional<ChosenPlace> chosenPlaceOf(const PlaceFinder& finder);

// Makes `place` the finder's chosen place, at `longitudeMinutes` (east positive), which the
// zone entries it writes are formed for; its zone's name shows while it is in charge. A
// zone this computer does not know, or no place, leaves no place chosen.
void restoreChosenPlace(PlaceFinder& finder, const std::optional<ChosenPlace>& place,
                        int longitudeMinutes);

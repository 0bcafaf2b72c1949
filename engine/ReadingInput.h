#pragma once

#include <cstdint>
#include <string>

// Which way the zone runs from universal time when the zone boxes say so themselves: a minus
// sign on them means the clock runs ahead. Without one the longitude's hemisphere decides.
enum class ZoneDirection : std::uint8_t {
    None,  // no explicit direction: east of Greenwich ahead, elsewhere behind
    Ahead, // the clock runs ahead of universal time, whatever the hemisphere
};

// The inputs of one reading, carried from the main window to the engine and the oracle.
// The signs live in the flags: zone and place fields hold magnitudes, and the zone's
// direction is `zoneDirection`, or else follows the longitude's hemisphere. Degrees and
// minutes are not range-checked.
struct ReadingInput {
    std::string name;       // UTF-8, trimmed of leading and trailing spaces
    std::int16_t month = 0; // 1 = January
    std::int16_t day = 0;
    std::int16_t year = 0;
    std::int16_t hour = 0;   // local clock
    std::int16_t minute = 0; // local clock
    std::int16_t zoneHours = 0;
    std::int16_t zoneMinutes = 0;
    std::int16_t longitudeDegrees = 0;
    std::int16_t longitudeMinutes = 0;
    std::int16_t latitudeDegrees = 0;
    std::int16_t latitudeMinutes = 0;
    bool longitudeOption = false; // true: east of Greenwich
    bool latitudeOption = false;  // true: south of the equator
    bool daylightSaving = false;
    ZoneDirection zoneDirection = ZoneDirection::None;
};

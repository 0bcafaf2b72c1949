#pragma once

#include "engine/ReadingInput.h"

#include <cstdint>

namespace testreadings {

// A reading as the main window would deliver it; latitude is left at zero unless a case
// sets it.
inline ReadingInput reading(int month, int day, int year, int hour, int minute, int zoneHours,
                            int zoneMinutes, bool east, int lonDegrees, int lonMinutes, bool dst) {
    ReadingInput in;
    in.month = static_cast<std::int16_t>(month);
    in.day = static_cast<std::int16_t>(day);
    in.year = static_cast<std::int16_t>(year);
    in.hour = static_cast<std::int16_t>(hour);
    in.minute = static_cast<std::int16_t>(minute);
    in.zoneHours = static_cast<std::int16_t>(zoneHours);
    in.zoneMinutes = static_cast<std::int16_t>(zoneMinutes);
    in.longitudeOption = east;
    in.longitudeDegrees = static_cast<std::int16_t>(lonDegrees);
    in.longitudeMinutes = static_cast<std::int16_t>(lonMinutes);
    in.daylightSaving = dst;
    return in;
}

} // namespace testreadings

#include "NakshatraChange.h"

#include "FloorDiv.h"
#include "modEphemeris.h"

#include <cmath>

namespace modEphemeris {

namespace {

constexpr int MinutesPerHour = 60;
constexpr int MinutesPerDay = 24 * MinutesPerHour;
constexpr int NakshatraCount = 27;
constexpr int QuartersPerNakshatra = 4;

// The nakshatra of a reading, or -1 outside the 27.
int readingIndex(const ReadingInput& input) {
    const int index = NakshatraIndex(ReadingSiderealLongitude(input));
    return index >= 0 && index < NakshatraCount ? index : -1;
}

} // namespace

int NakshatraQuarter(double siderealLongitude) {
    const double arcminutes = siderealLongitude * 60;
    const double index = std::floor(arcminutes / (QuartersPerNakshatra * QuarterArcminutes));
    return static_cast<int>(std::floor(arcminutes / QuarterArcminutes) -
                            QuartersPerNakshatra * index) +
           1;
}

std::optional<MoonPosition> PositionOf(double siderealLongitude) {
    if (!(siderealLongitude >= 0 && siderealLongitude < 360)) {
        return std::nullopt;
    }
    const int index = NakshatraIndex(siderealLongitude);
    if (index < 0 || index >= NakshatraCount) {
        return std::nullopt;
    }
    const double arcminutes = siderealLongitude * 60;
    return MoonPosition{static_cast<int>(std::floor(arcminutes)), index,
                        NakshatraQuarter(siderealLongitude)};
}

ReadingInput ShiftedReading(const ReadingInput& input, int minutes) {
    const int clock = input.hour * MinutesPerHour + input.minute + minutes;
    const int days = static_cast<int>(floorDiv(clock, MinutesPerDay));
    const int inDay = clock - days * MinutesPerDay;
    ReadingInput shifted = input;
    shifted.day = static_cast<std::int16_t>(input.day + days);
    shifted.hour = static_cast<std::int16_t>(inDay / MinutesPerHour);
    shifted.minute = static_cast<std::int16_t>(inDay % MinutesPerHour);
    return shifted;
}

std::optional<NakshatraChange> NearestChange(const ReadingInput& input) {
    const int here = readingIndex(input);
    if (here < 0) {
        return std::nullopt;
    }
    // -1 when the minute falls outside the 27, which ends the search.
    bool outside = false;
    const auto other = [&](int minutes) {
        const int index = readingIndex(ShiftedReading(input, minutes));
        outside = outside || index < 0;
        return index != here;
    };
    // `near` reads this side and `far` the other; halve until they are neighbours.
    const auto boundary = [&](int near, int far) {
        while (std::abs(far - near) > 1) {
            const int middle = near + (far - near) / 2;
            (other(middle) ? far : near) = middle;
        }
        return far;
    };
    std::optional<int> found;
    if (other(ChangeSearchMinutes)) {
        found = boundary(0, ChangeSearchMinutes);
    } else if (other(-ChangeSearchMinutes)) {
        found = boundary(0, -ChangeSearchMinutes);
    }
    if (!found || outside) {
        return std::nullopt;
    }
    const ReadingInput reading = ShiftedReading(input, *found);
    return NakshatraChange{*found, readingIndex(reading), reading};
}

} // namespace modEphemeris

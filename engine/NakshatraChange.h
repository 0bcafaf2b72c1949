#pragma once

#include "ReadingInput.h"

#include <optional>

// Where the Moon stands inside its nakshatra, and the nearest minute at which the reading
// turns into another one.
namespace modEphemeris {

// A nakshatra is split into four quarters (padas) of 3°20′, that is 200 arcminutes.
inline constexpr int QuarterArcminutes = 200;
// How far either way, in whole minutes of local time, the nearest change is looked for.
inline constexpr int ChangeSearchMinutes = 120;

struct MoonPosition {
    int arcminutes; // the sidereal longitude truncated to whole arcminutes, 0 to 21599
    int index;      // its nakshatra, 0 to 26
    int quarter;    // its quarter inside the nakshatra, 1 to 4
};

// Given a sidereal longitude λs in degrees. Returns floor(λs·60/200) − 4·index + 1 with
// index = floor(λs·60/800): 1 from the start of a nakshatra, 4 in its last 200 arcminutes.
// Both floors divide the same arcminute value, so the quarter is always 1 to 4 whenever the
// index is 0 to 26.
int NakshatraQuarter(double siderealLongitude);

// Given a sidereal longitude λs in degrees. Returns its whole arcminutes, nakshatra and
// quarter, all taken from the same arcminute value so that the truncated longitude never
// shows a value of the next nakshatra. Nothing when λs lies outside [0, 360).
std::optional<MoonPosition> PositionOf(double siderealLongitude);

// Given a reading and a count of whole minutes of either sign. Returns the reading of the
// local clock that many minutes later (earlier when negative): hour and minute brought back
// into 0–23 and 0–59, the day counted on or back by the days carried. The month and year stay;
// the engine reads a day past the month's end as the next month and day 0 as the last day of
// the month before. Zone, place and daylight saving stay as they are.
ReadingInput ShiftedReading(const ReadingInput& input, int minutes);

struct NakshatraChange {
    // Minutes from the entered moment: above 0 the first minute of the next nakshatra, below 0
    // the last minute of the previous one.
    int minutes;
    int otherIndex;       // the nakshatra of that minute, 0 to 26
    ReadingInput reading; // the reading of that minute (ShiftedReading)
};

// Given a reading. Returns the nearest whole local minute, within ChangeSearchMinutes either
// way, whose reading names another nakshatra: later, the first minute on the other side; earlier,
// the last one. The Moon's longitude always increases, by more than 0.49° an hour, so at most
// one boundary falls within the window, and beyond it every minute reads the other side: the
// minute is found by halving the window. Nothing when no boundary is that close, or when a
// reading in the window falls outside the 27 nakshatras. Does not touch the result slot.
std::optional<NakshatraChange> NearestChange(const ReadingInput& input);

} // namespace modEphemeris

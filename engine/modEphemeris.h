#pragma once

#include "ReadingInput.h"

#include <array>
#include <cstdint>
#include <string>

// The reading engine: from the moment and place of a loss to the Moon's nakshatra.
// Angles are degrees in double precision; time is julian centuries from day number 2451545.
namespace modEphemeris {

struct TimeBase {
    double localHours, zoneOffsetHours, signedLongitude, universalHours, julianDay, centuries;
};

// Universal time, day number and centuries of one reading. Longitude counts positive to
// the west. The clock runs ahead of universal time when `zoneDirection` says Ahead or the
// place lies east of Greenwich, and behind it otherwise; daylight saving widens the offset
// by an hour when ahead and narrows it by one when behind. With no explicit direction the
// result is that of the hemisphere rule alone, to the last bit.
TimeBase ComputeTimeBase(const ReadingInput& input);

// Day number of a civil date (the numbered day begins at noon). Days past the month's end
// count on into the next month. Dates from 16 October 1582 on are read in the Gregorian
// calendar, earlier ones in the Julian calendar.
double JulianDayNumber(int month, int day, int year);

struct CivilDate {
    int month, day, year;
};

// The civil date that a whole day number begins at noon of: day numbers from 2299161
// (15 October 1582) on in the Gregorian calendar, earlier ones in the Julian calendar, years
// counted astronomically (the year before 1 is 0). It undoes JulianDayNumber for every date
// that one reads in a single calendar: up to 4 October 1582, and from 16 October 1582 on.
CivilDate CivilDateOf(std::int64_t dayNumber);

// The Moon's tropical longitude in degrees, 0 to 360 inclusive (360 stays 360).
double MoonLongitude(double centuries);

// λ brought into 0 to 360 as adding 360 while negative, then subtracting 360 while above
// 360, would: exact multiples of 360 above zero give 360, those below give 0.
double NormaliseLongitude(double lambda);

// Correction in degrees from tropical to sidereal longitude (the ayanamsa, sign reversed).
double AyanamsaCorrection(double centuries);

// Sidereal longitude λ + C, brought up by 360 once when negative.
double SiderealLongitude(double lambda, double correction);

// floor((λs × 60) / 800): the nakshatra of a sidereal longitude, 0 to 26 on [0, 360).
int NakshatraIndex(double siderealLongitude);

// The 27 names, index 0 "Ashwini" to 26 "Revati", and an always-empty slot 27.
extern const std::array<std::string, 28> NakshatraNames;

// The Moon's sidereal longitude at the moment of a reading, found as the whole engine finds it
// (time base, Moon longitude, ayanamsa correction), without touching the result slot.
double ReadingSiderealLongitude(const ReadingInput& input);

// The whole engine. Stores the name in the result slot and returns it. Throws
// std::out_of_range, and stores nothing, when the index falls outside 0 to 27.
std::string CalculateNakshatra(const ReadingInput& input);

// The result slot: empty until the first successful call, then its latest name.
const std::string& nakshatraName();

} // namespace modEphemeris

#include "modEphemeris.h"

#include "FloorDiv.h"
#include "MoonTerms.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <utility>

namespace modEphemeris {

namespace {

// The engine's one factor from degrees to radians.
constexpr double DegreesToRadians = 0.0174532925199433;
// Day number of 2000 January 1, 12:00 universal time, and days in a julian century.
constexpr double EpochDayNumber = 2451545;
constexpr double DaysPerCentury = 36525;
// A nakshatra spans 13°20′, that is 800 arcminutes.
constexpr double NakshatraArcminutes = 800;
constexpr double ArcsecondsPerDegree = 3600;
// Day number of 15 October 1582, the first day of the Gregorian calendar.
constexpr std::int64_t FirstGregorianDayNumber = 2299161;

std::string& resultSlot() {
    static std::string name;
    return name;
}

} // namespace

// Every intermediate step of the add-or-subtract loop is exact (360 is a multiple of the
// spacing of doubles at these magnitudes, and each step shrinks the value), so the exact
// remainder gives the same bits without the thousands of passes.
double NormaliseLongitude(double lambda) {
    if (lambda < 0) {
        double r = std::fmod(lambda, 360.0);
        if (r < 0) {
            r += 360.0;
        } else {
            r = 0.0; // an exact multiple of 360 ends the loop at +0
        }
        return r;
    }
    if (lambda > 360) {
        const double r = std::fmod(lambda, 360.0);
        return r == 0 ? 360.0 : r;
    }
    return lambda;
}

const std::array<std::string, 28> NakshatraNames{"Ashwini",
                                                 "Bharani",
                                                 "Krittika",
                                                 "Rohini",
                                                 "Mrigasira",
                                                 "Ardra",
                                                 "Punarvasu",
                                                 "Pushya",
                                                 "Ashlesha",
                                                 "Magha",
                                                 "Poorva Phalguni",
                                                 "Uttara Phalguni",
                                                 "Hasta",
                                                 "Chitra",
                                                 "Swati",
                                                 "Vishakha",
                                                 "Anuradha",
                                                 "Jyeshtha",
                                                 "Moola",
                                                 "Purva Ashadha",
                                                 "Uttara Ashadha",
                                                 "Shravana",
                                                 "Dhanistha",
                                                 "Shatabhisha",
                                                 "Poorva Bhadrapada",
                                                 "Uttara Bhadrapada",
                                                 "Revati",
                                                 ""};

TimeBase ComputeTimeBase(const ReadingInput& input) {
    TimeBase t{};
    t.localHours = input.hour + input.minute / 60.0;
    t.zoneOffsetHours = input.zoneHours + input.zoneMinutes / 60.0;
    t.signedLongitude = input.longitudeDegrees + input.longitudeMinutes / 60.0;
    if (input.longitudeOption) {
        t.signedLongitude = -t.signedLongitude;
    }
    // East of Greenwich the clock runs ahead of universal time; a longitude of exactly zero
    // counts as west whichever button is selected. A zone entered with a minus sign runs
    // ahead in either hemisphere (Spain, western France, Samoa).
    const bool east = t.signedLongitude < 0;
    const bool ahead = east || input.zoneDirection == ZoneDirection::Ahead;
    if (input.daylightSaving) {
        t.zoneOffsetHours = ahead ? t.zoneOffsetHours + 1 : t.zoneOffsetHours - 1;
    }
    t.universalHours = ahead ? t.localHours - t.zoneOffsetHours : t.localHours + t.zoneOffsetHours;
    t.julianDay = JulianDayNumber(input.month, input.day, input.year);
    // Universal hours outside 0 to 24 carry the moment into the neighbouring day here.
    t.centuries = (t.julianDay - EpochDayNumber + t.universalHours / 24 - 0.5) / DaysPerCentury;
    return t;
}

double JulianDayNumber(int month, int day, int year) {
    // Months counted from March of the year -4800.
    const std::int64_t m = 12 * (static_cast<std::int64_t>(year) + 4800) + month - 3;
    std::int64_t j =
        floorDiv(365 * m + 2 * (m - 12 * floorDiv(m, 12)) + 7, 12) + day + floorDiv(m, 48) - 32083;
    if (j > 2299171) {
        j = j + floorDiv(m, 4800) - floorDiv(m, 1200) + 38;
    }
    return static_cast<double>(j);
}

CivilDate CivilDateOf(std::int64_t dayNumber) {
    const auto mod = [](std::int64_t a, std::int64_t b) { return a - b * floorDiv(a, b); };
    // Days counted from 1 March of the year -4716 in the Julian calendar; in the Gregorian
    // calendar less the leap days it leaves out.
    std::int64_t f = dayNumber + 1401;
    if (dayNumber >= FirstGregorianDayNumber) {
        f += floorDiv(floorDiv(4 * dayNumber + 274277, 146097) * 3, 4) - 38;
    }
    // Four-year cycles of 1461 days, then five-month cycles of 153 days from March.
    const std::int64_t e = 4 * f + 3;
    const std::int64_t h = 5 * floorDiv(mod(e, 1461), 4) + 2;
    const std::int64_t month = mod(floorDiv(h, 153) + 2, 12) + 1;
    const std::int64_t day = floorDiv(mod(h, 153), 5) + 1;
    const std::int64_t year = floorDiv(e, 1461) - 4716 + floorDiv(14 - month, 12);
    return {static_cast<int>(month), static_cast<int>(day), static_cast<int>(year)};
}

namespace {

struct FundamentalArguments {
    double D, M, MPrime, F;
};

// multiple × angle, where the multiple is known when compiling. Multiplying by 1 or -1 and
// adding a term with multiple 0 leave a value's bits as they are, so only the other
// multiples cost a multiplication.
template <int Multiple> double multipleOf(double angle) {
    if constexpr (Multiple == 1) {
        return angle;
    } else if constexpr (Multiple == -1) {
        return -angle;
    } else {
        return Multiple * angle;
    }
}

// d·D + m·M + m′·M′ + f·F, summed in that order, terms with multiple 0 left out.
template <int d, int m, int mPrime, int f> double termArgument(const FundamentalArguments& a) {
    double argument = 0;
    bool started = false;
    const auto add = [&](double part) {
        argument = started ? argument + part : part;
        started = true;
    };
    if constexpr (d != 0) {
        add(multipleOf<d>(a.D));
    }
    if constexpr (m != 0) {
        add(multipleOf<m>(a.M));
    }
    if constexpr (mPrime != 0) {
        add(multipleOf<mPrime>(a.MPrime));
    }
    if constexpr (f != 0) {
        add(multipleOf<f>(a.F));
    }
    return argument;
}

template <std::size_t Row> double termValue(const FundamentalArguments& a, double E) {
    constexpr MoonLongitudeTerm term = MoonLongitudeTerms[Row];
    const double argument = termArgument<term.d, term.m, term.mPrime, term.f>(a);
    if constexpr (term.timesE) {
        return term.coefficient * E * std::sin(argument);
    } else {
        return term.coefficient * std::sin(argument);
    }
}

// The 25 terms summed in table order, unrolled: every multiple and factor is a constant.
template <std::size_t... Rows>
double PeriodicSum(const FundamentalArguments& a, double E, std::index_sequence<Rows...>) {
    double sum = 0;
    ((sum += termValue<Rows>(a, E)), ...);
    return sum;
}

} // namespace

double MoonLongitude(double centuries) {
    const double T = centuries;
    const double meanLongitude = 218.3164591 + 481267.88134236 * T;
    const double D = (297.8502042 + 445267.1115168 * T) * DegreesToRadians;
    const double M = (357.5291092 + 35999.0502909 * T) * DegreesToRadians;
    const double MPrime = (134.9634114 + 477198.8676313 * T) * DegreesToRadians;
    const double F = (93.2720993 + 483202.0175273 * T) * DegreesToRadians;
    const double E = 1 - 0.002516 * T - 0.0000074 * (T * T);

    const FundamentalArguments arguments{D, M, MPrime, F};
    const double sum =
        PeriodicSum(arguments, E, std::make_index_sequence<MoonLongitudeTerms.size()>{});
    return NormaliseLongitude(meanLongitude + sum);
}

double AyanamsaCorrection(double centuries) {
    const double T = centuries;
    const double node = 125.044555 - 1934.1361849 * T + 0.0020762 * (T * T);
    const double sunMeanLongitude = 280.466449 + 36000.7698231 * T + 0.0003106 * (T * T);
    const double nutation = 17.23 * std::sin(node * DegreesToRadians) +
                            1.27 * std::sin(sunMeanLongitude * DegreesToRadians);
    const double precession = (5025.64 + 1.11 * T) * T;
    return (nutation - precession - 85886.27) / ArcsecondsPerDegree;
}

double SiderealLongitude(double lambda, double correction) {
    double siderealLongitude = lambda + correction;
    if (siderealLongitude < 0) {
        siderealLongitude += 360;
    }
    return siderealLongitude;
}

int NakshatraIndex(double siderealLongitude) {
    const double index = std::floor((siderealLongitude * 60) / NakshatraArcminutes);
    // Longitudes the engine can never produce from a reading still give a defined answer.
    if (!(index >= -1)) {
        return -1;
    }
    if (index > 28) {
        return 28;
    }
    return static_cast<int>(index);
}

double ReadingSiderealLongitude(const ReadingInput& input) {
    const TimeBase time = ComputeTimeBase(input);
    const double lambda = MoonLongitude(time.centuries);
    const double correction = AyanamsaCorrection(time.centuries);
    return SiderealLongitude(lambda, correction);
}

std::string CalculateNakshatra(const ReadingInput& input) {
    const int index = NakshatraIndex(ReadingSiderealLongitude(input));
    if (index < 0 || index > 27) {
        throw std::out_of_range("nakshatra index outside 0 to 27");
    }
    resultSlot() = NakshatraNames[static_cast<std::size_t>(index)];
    return resultSlot();
}

const std::string& nakshatraName() {
    return resultSlot();
}

} // namespace modEphemeris

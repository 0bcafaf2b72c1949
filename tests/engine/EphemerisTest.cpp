#include "engine/MoonTerms.h"
#include "engine/modEphemeris.h"
#include "tests/engine/TestReadings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <stdexcept>

using namespace modEphemeris;

namespace {

using testreadings::reading;

constexpr double AtSevenDecimals = 0.5e-7;
constexpr double AtTenDecimals = 0.5e-10;

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The normalisation written as the plain loop, to check the remainder against it.
double normaliseByLoop(double lambda) {
    while (lambda < 0) {
        lambda += 360;
    }
    while (lambda > 360) {
        lambda -= 360;
    }
    return lambda;
}

// The Moon's longitude written plainly, term by term from the table, to check the engine's
// unrolled evaluation against it bit for bit.
double moonLongitudeTermByTerm(double T) {
    constexpr double toRadians = 0.0174532925199433;
    const double meanLongitude = 218.3164591 + 481267.88134236 * T;
    const double D = (297.8502042 + 445267.1115168 * T) * toRadians;
    const double M = (357.5291092 + 35999.0502909 * T) * toRadians;
    const double MPrime = (134.9634114 + 477198.8676313 * T) * toRadians;
    const double F = (93.2720993 + 483202.0175273 * T) * toRadians;
    const double E = 1 - 0.002516 * T - 0.0000074 * (T * T);
    double sum = 0;
    for (const MoonLongitudeTerm& term : MoonLongitudeTerms) {
        const double argument = term.d * D + term.m * M + term.mPrime * MPrime + term.f * F;
        const double amplitude = term.timesE ? term.coefficient * E : term.coefficient;
        sum += amplitude * std::sin(argument);
    }
    return normaliseByLoop(meanLongitude + sum);
}

TEST(JulianDayNumber, ReferenceDates) {
    struct Case {
        const char* reason;
        int month, day, year;
        double expected;
    };
    const Case cases[] = {
        {"first day the window offers", 1, 1, 1901, 2415386},
        {"the epoch's date", 1, 1, 2000, 2451545},
        {"leap day of a century year", 2, 29, 2000, 2451604},
        {"last day the window offers", 12, 31, 2050, 2470172},
        {"30 February counts on to 2 March", 2, 30, 2001, JulianDayNumber(3, 2, 2001)},
        {"31 April counts on to 1 May", 4, 31, 2010, JulianDayNumber(5, 1, 2010)},
        {"last Julian calendar day", 10, 4, 1582, 2299160},
        {"15 October 1582 is still read in the Julian calendar", 10, 15, 1582, 2299171},
        {"read in the Gregorian calendar from 16 October 1582", 10, 16, 1582, 2299162},
        {"negative years take the true floor", 1, 1, -4712, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.expected) << c.reason;
    }
}

TEST(ComputeTimeBase, ReferenceReadings) {
    struct Case {
        const char* reason;
        ReadingInput input;
        double zoneOffset, signedLongitude, universalHours, julianDay, centuries;
    };
    const Case cases[] = {
        {"the epoch itself", reading(1, 1, 2000, 12, 0, 0, 0, false, 0, 0, false), 0, 0, 12,
         2451545, 0},
        {"east of Greenwich: clock ahead of universal time",
         reading(8, 15, 2010, 10, 30, 5, 30, true, 77, 13, false), 5.5, -(77 + 13 / 60.0), 5.0,
         2455424, 0.1061932466},
        {"west with daylight saving: an hour less, into the next day",
         reading(7, 4, 2015, 21, 0, 5, 0, false, 74, 0, true), 4, 74, 25.0, 2457208, 0.1550593201},
        {"east with zero longitude counts as west",
         reading(3, 10, 2020, 9, 0, 1, 0, true, 0, 0, false), 1, 0, 10, 2458919,
         (2458919 - 2451545 + 10 / 24.0 - 0.5) / 36525},
        {"east, zero longitude, daylight saving: offset becomes zero",
         reading(3, 10, 2020, 9, 0, 1, 0, true, 0, 0, true), 0, 0, 9, 2458919,
         (2458919 - 2451545 + 9 / 24.0 - 0.5) / 36525},
        {"daylight saving in the east adds an hour",
         reading(8, 15, 2010, 10, 30, 5, 30, true, 77, 13, true), 6.5, -(77 + 13 / 60.0), 4.0,
         2455424, (2455424 - 2451545 + 4 / 24.0 - 0.5) / 36525},
    };
    for (const auto& c : cases) {
        const TimeBase t = ComputeTimeBase(c.input);
        EXPECT_DOUBLE_EQ(t.zoneOffsetHours, c.zoneOffset) << c.reason;
        EXPECT_NEAR(t.signedLongitude, c.signedLongitude, 1e-12) << c.reason;
        EXPECT_DOUBLE_EQ(t.universalHours, c.universalHours) << c.reason;
        EXPECT_EQ(t.julianDay, c.julianDay) << c.reason;
        EXPECT_NEAR(t.centuries, c.centuries, AtTenDecimals) << c.reason;
    }
}

TEST(MoonLongitude, ReferenceValues) {
    struct Case {
        double centuries, lambda;
    };
    // The two readings' rows use centuries at full precision, as the engine carries them.
    const double august2010 =
        ComputeTimeBase(reading(8, 15, 2010, 10, 30, 5, 30, true, 77, 13, false)).centuries;
    const double july2015 =
        ComputeTimeBase(reading(7, 4, 2015, 21, 0, 5, 0, false, 74, 0, true)).centuries;
    const Case cases[] = {
        {0, 223.3161029},          {-0.077221081451, 133.1580839},
        {august2010, 212.6516831}, {july2015, 321.9427220},
        {-0.99, 44.7786880},       {0.5, 18.6613975},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(MoonLongitude(c.centuries), c.lambda, AtSevenDecimals)
            << "centuries " << c.centuries;
    }
}

TEST(MoonLongitude, EqualsTheTermByTermSumBitForBit) {
    std::mt19937_64 random(1901);
    std::uniform_real_distribution<double> centuries(-1.0, 0.52);
    for (int i = 0; i < 20000; ++i) {
        const double t = centuries(random);
        ASSERT_TRUE(sameBits(MoonLongitude(t), moonLongitudeTermByTerm(t))) << "centuries " << t;
    }
}

TEST(AyanamsaCorrection, ReferenceValues) {
    const std::pair<double, double> cases[] = {
        {0, -23.8537257}, {-0.99, -22.4800344}, {0.5, -24.5597842}};
    for (const auto& [centuries, correction] : cases) {
        EXPECT_NEAR(AyanamsaCorrection(centuries), correction, AtSevenDecimals)
            << "centuries " << centuries;
    }
}

TEST(CalculateNakshatra, ReferenceReadings) {
    struct Case {
        ReadingInput input;
        double centuries, lambda, correction, sidereal;
        int index;
        const char* name;
    };
    const Case cases[] = {
        {reading(1, 1, 2000, 12, 0, 0, 0, false, 0, 0, false), 0, 223.3161029, -23.8537257,
         199.4623772, 14, "Swati"},
        {reading(8, 15, 2010, 10, 30, 5, 30, true, 77, 13, false), 0.1061932466, 212.6516831,
         -24.0100562, 188.6416269, 14, "Swati"},
        {reading(7, 4, 2015, 21, 0, 5, 0, false, 74, 0, true), 0.1550593201, 321.9427220,
         -24.0738537, 297.8688682, 22, "Dhanistha"},
        {reading(3, 21, 1985, 6, 15, 5, 30, true, 72, 50, false), -0.1478293977, 355.2194262,
         -23.6472240, 331.5722022, 24, "Poorva Bhadrapada"},
        {reading(11, 2, 1950, 23, 59, 0, 0, false, 0, 7, false), -0.4916221956, 129.4968876,
         -23.1716377, 106.3252498, 7, "Pushya"},
        // λ + C is negative here and wraps once.
        {reading(6, 30, 2024, 0, 0, 10, 0, true, 151, 12, false), 0.2449304130, 17.1140126,
         -24.1979530, 352.9160596, 26, "Revati"},
        {reading(12, 25, 2049, 18, 45, 8, 0, false, 118, 15, true), 0.4998377253, 293.1088426,
         -24.5595764, 268.5492662, 20, "Uttara Ashadha"},
    };
    for (const auto& c : cases) {
        const TimeBase t = ComputeTimeBase(c.input);
        const double lambda = MoonLongitude(t.centuries);
        const double correction = AyanamsaCorrection(t.centuries);
        const double sidereal = SiderealLongitude(lambda, correction);
        EXPECT_NEAR(t.centuries, c.centuries, AtTenDecimals) << c.name;
        EXPECT_NEAR(lambda, c.lambda, AtSevenDecimals) << c.name;
        EXPECT_NEAR(correction, c.correction, AtSevenDecimals) << c.name;
        EXPECT_NEAR(sidereal, c.sidereal, AtSevenDecimals) << c.name;
        EXPECT_EQ(NakshatraIndex(sidereal), c.index) << c.name;
        EXPECT_EQ(CalculateNakshatra(c.input), c.name);
        EXPECT_EQ(nakshatraName(), c.name);
    }
}

TEST(CalculateNakshatra, WrapOfJune2024) {
    const double lambda = MoonLongitude(
        ComputeTimeBase(reading(6, 30, 2024, 0, 0, 10, 0, true, 151, 12, false)).centuries);
    const double correction = AyanamsaCorrection(
        ComputeTimeBase(reading(6, 30, 2024, 0, 0, 10, 0, true, 151, 12, false)).centuries);
    EXPECT_NEAR(lambda + correction, -7.0839404, AtSevenDecimals);
    EXPECT_NEAR(SiderealLongitude(lambda, correction), 352.9160596, AtSevenDecimals);
}

TEST(NakshatraIndex, Boundaries) {
    struct Case {
        const char* reason;
        double sidereal;
        int index;
    };
    const Case cases[] = {
        {"zero is the first nakshatra", 0, 0},
        {"just below 40 degrees", 39.99999, 2},
        {"exactly on a boundary belongs to the next", 40, 3},
        {"one arcminute short of the end", 359.0 + 59.0 / 60, 26},
        {"360 itself gives the empty slot", 360, 27},
        {"end of the empty slot", 373.3333, 27},
        {"past the table", 373.34, 28},
        {"below zero", -0.0001, -1},
        {"not a number", std::nan(""), -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NakshatraIndex(c.sidereal), c.index) << c.reason;
    }
    // λ = 360 and λ = 0 name the same nakshatra.
    const double correction = AyanamsaCorrection(0);
    EXPECT_EQ(NakshatraIndex(SiderealLongitude(360, correction)),
              NakshatraIndex(SiderealLongitude(0, correction)));
}

TEST(NormaliseLongitude, MatchesTheLoopBitForBit) {
    struct Case {
        const char* reason;
        double lambda;
    };
    const Case edges[] = {
        {"360 stays 360", 360},
        {"zero stays zero", 0},
        {"720 ends at 360", 720},
        {"-360 ends at zero", -360},
        {"-720 ends at zero", -720},
        {"tiny negative rounds up", -1e-14},
        {"just above 360", 360.0000000001},
        {"a large mean longitude", 74843.3869262},
        {"a large negative one", -476236.8860698},
    };
    for (const auto& c : edges) {
        const double expected = normaliseByLoop(c.lambda);
        EXPECT_TRUE(sameBits(NormaliseLongitude(c.lambda), expected))
            << c.reason << ": " << NormaliseLongitude(c.lambda) << " vs " << expected;
    }
    // Every moment a saved reading can describe, years 1901 to 2050 with any zone and
    // longitude, lies within these centuries.
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> centuries(-1.0, 0.52);
    for (int i = 0; i < 20000; ++i) {
        const double t = centuries(random);
        const double lambda = 218.3164591 + 481267.88134236 * t + 3.7;
        ASSERT_TRUE(sameBits(NormaliseLongitude(lambda), normaliseByLoop(lambda)))
            << "centuries " << t;
    }
}

TEST(CalculateNakshatra, LatitudeNeverChangesTheResult) {
    const ReadingInput base = reading(3, 21, 1985, 6, 15, 5, 30, true, 72, 50, false);
    const std::string expected = CalculateNakshatra(base);
    const std::pair<int, int> latitudes[] = {{0, 0}, {18, 31}, {95, 75}, {32767, 32767}};
    for (const auto& [degrees, minutes] : latitudes) {
        for (bool south : {false, true}) {
            ReadingInput in = base;
            in.latitudeDegrees = static_cast<std::int16_t>(degrees);
            in.latitudeMinutes = static_cast<std::int16_t>(minutes);
            in.latitudeOption = south;
            EXPECT_EQ(CalculateNakshatra(in), expected) << degrees << " " << minutes << south;
        }
    }
}

// Readings many centuries before 2000 (which the window cannot produce) reach the empty
// slot and the failure.
TEST(CalculateNakshatra, EmptySlotAndFailure) {
    ASSERT_EQ(CalculateNakshatra(reading(1, 1, 2000, 12, 0, 0, 0, false, 0, 0, false)), "Swati");

    struct Case {
        const char* reason;
        ReadingInput input;
        bool fails;
        const char* slotAfter;
    };
    const Case cases[] = {
        {"index 27 gives and stores the empty name",
         reading(1, 3, -2000, 12, 0, 0, 0, false, 0, 0, false), false, ""},
        {"a good reading after it", reading(1, 1, 2000, 12, 0, 0, 0, false, 0, 0, false), false,
         "Swati"},
        {"index 28 fails and keeps the previous name",
         reading(1, 4, -2000, 12, 0, 0, 0, false, 0, 0, false), true, "Swati"},
        {"a negative index fails too", reading(1, 18, 30000, 12, 0, 0, 0, false, 0, 0, false), true,
         "Swati"},
    };
    for (const auto& c : cases) {
        if (c.fails) {
            EXPECT_THROW(CalculateNakshatra(c.input), std::out_of_range) << c.reason;
        } else {
            EXPECT_EQ(CalculateNakshatra(c.input), c.slotAfter) << c.reason;
        }
        EXPECT_EQ(nakshatraName(), c.slotAfter) << c.reason;
    }
}

TEST(NakshatraNames, TwentySevenNamesAndAnEmptySlot) {
    EXPECT_EQ(NakshatraNames.front(), "Ashwini");
    EXPECT_EQ(NakshatraNames[10], "Poorva Phalguni");
    EXPECT_EQ(NakshatraNames[19], "Purva Ashadha");
    EXPECT_EQ(NakshatraNames[24], "Poorva Bhadrapada");
    EXPECT_EQ(NakshatraNames[26], "Revati");
    EXPECT_TRUE(NakshatraNames[27].empty());
}

} // namespace

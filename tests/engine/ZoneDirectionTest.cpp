// The zone's explicit direction, and the day number read back as a civil date.
#include "engine/modEphemeris.h"
#include "tests/engine/TestReadings.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace modEphemeris;

namespace {

struct Moment {
    int month, day, year, hour, minute;
};

struct Zone {
    int hours, minutes;
    ZoneDirection direction;
    bool dst;
};

struct Place {
    int degrees, minutes;
    bool east;
};

ReadingInput reading(Moment m, Zone z, Place p) {
    ReadingInput in = testreadings::reading(m.month, m.day, m.year, m.hour, m.minute, z.hours,
                                            z.minutes, p.east, p.degrees, p.minutes, z.dst);
    in.zoneDirection = z.direction;
    return in;
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

constexpr auto Ahead = ZoneDirection::Ahead;
constexpr auto NoDirection = ZoneDirection::None;

// The route the engine has always read as ahead: East selected, the same magnitudes and
// no explicit direction.
ReadingInput eastRoute(ReadingInput in) {
    in.longitudeOption = true;
    in.zoneDirection = NoDirection;
    return in;
}

TEST(ZoneDirection, AheadReadsAsTheSameMomentWithEastSelected) {
    struct Case {
        const char* reason;
        ReadingInput input;
        const char* nakshatra;    // what the east route names
        const char* byHemisphere; // the same reading without the direction
    };
    const Place madrid{3, 42, false};
    const Case cases[] = {
        {"Madrid, CET picked: 11:00 UT, not 13:00",
         reading({1, 7, 2025, 12, 0}, {1, 0, Ahead, false}, madrid), "Revati", "Ashwini"},
        {"Madrid in summer: daylight saving adds an hour ahead (10:00 UT)",
         reading({7, 25, 2025, 12, 0}, {1, 0, Ahead, true}, madrid), "Pushya", "Ashlesha"},
        {"London, BST picked and DST unticked",
         reading({7, 4, 2025, 12, 0}, {1, 0, Ahead, false}, {0, 7, false}), "Chitra", "Swati"},
        {"Apia, 13 hours ahead: the moment falls on the day before in universal time",
         reading({3, 2, 2024, 12, 0}, {13, 0, Ahead, false}, {171, 46, false}), "Vishakha",
         "Anuradha"},
        {"India with -5/-30: east already runs ahead",
         reading({8, 15, 2010, 10, 30}, {5, 30, Ahead, false}, {77, 13, true}), "Swati", "Swati"},
        {"India with 5/30: unchanged",
         reading({8, 15, 2010, 10, 30}, {5, 30, NoDirection, false}, {77, 13, true}), "Swati",
         "Swati"},
        {"India with daylight saving and -5/-30",
         reading({8, 15, 2010, 10, 30}, {5, 30, Ahead, true}, {77, 13, true}), "Swati", "Swati"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        const ReadingInput east = eastRoute(c.input);
        const TimeBase read = ComputeTimeBase(c.input);
        const TimeBase expected = ComputeTimeBase(east);
        EXPECT_TRUE(sameBits(read.zoneOffsetHours, expected.zoneOffsetHours));
        EXPECT_TRUE(sameBits(read.universalHours, expected.universalHours));
        EXPECT_TRUE(sameBits(read.centuries, expected.centuries));
        EXPECT_EQ(CalculateNakshatra(east), c.nakshatra);
        EXPECT_EQ(CalculateNakshatra(c.input), c.nakshatra);

        ReadingInput withoutDirection = c.input;
        withoutDirection.zoneDirection = NoDirection;
        EXPECT_EQ(CalculateNakshatra(withoutDirection), c.byHemisphere);
    }
}

TEST(ZoneDirection, AheadAtZeroLongitudeRunsAheadWhicheverButtonIsSelected) {
    for (bool east : {false, true}) {
        const TimeBase t =
            ComputeTimeBase(reading({3, 10, 2020, 9, 0}, {1, 0, Ahead, true}, {0, 0, east}));
        EXPECT_EQ(t.zoneOffsetHours, 2) << "daylight saving widens the offset ahead";
        EXPECT_EQ(t.universalHours, 7) << (east ? "East" : "West");
    }
}

TEST(CivilDateOf, ReferenceDayNumbers) {
    struct Case {
        const char* reason;
        std::int64_t dayNumber;
        CivilDate date;
    };
    const Case cases[] = {
        {"the epoch", 2451545, {1, 1, 2000}},
        {"a leap day", 2451604, {2, 29, 2000}},
        {"the day after 4 July 2015", 2457209, {7, 5, 2015}},
        {"first Gregorian day", 2299161, {10, 15, 1582}},
        {"last Julian day", 2299160, {10, 4, 1582}},
        {"day number zero", 0, {1, 1, -4712}},
        {"before day number zero", -1, {12, 31, -4713}},
        {"1900 is no leap year in the Gregorian calendar", 2415080, {3, 1, 1900}},
    };
    for (const Case& c : cases) {
        const CivilDate d = CivilDateOf(c.dayNumber);
        EXPECT_EQ(d.month, c.date.month) << c.reason;
        EXPECT_EQ(d.day, c.date.day) << c.reason;
        EXPECT_EQ(d.year, c.date.year) << c.reason;
    }
}

// Every day a reading's moment can fall on, and a sample of far earlier ones, reads back as
// a date inside its month whose day number is the one given.
TEST(CivilDateOf, UndoesJulianDayNumber) {
    const auto check = [](std::int64_t n) {
        const CivilDate d = CivilDateOf(n);
        const int nextMonth = d.month == 12 ? 1 : d.month + 1;
        const int nextYear = d.month == 12 ? d.year + 1 : d.year;
        const double monthLength =
            JulianDayNumber(nextMonth, 1, nextYear) - JulianDayNumber(d.month, 1, d.year);
        ASSERT_TRUE(d.day >= 1 && d.day <= monthLength) << "day number " << n;
        ASSERT_EQ(JulianDayNumber(d.month, d.day, d.year), static_cast<double>(n))
            << "day number " << n;
    };
    for (auto n = static_cast<std::int64_t>(JulianDayNumber(1, 1, 1890));
         n <= static_cast<std::int64_t>(JulianDayNumber(12, 31, 2060)); ++n) {
        check(n);
    }
    for (std::int64_t n = -40000; n <= 2299160; n += 37) {
        check(n);
    }
}

} // namespace

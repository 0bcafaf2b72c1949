#include "engine/NakshatraChange.h"
#include "engine/modEphemeris.h"
#include "tests/engine/TestReadings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>

using namespace modEphemeris;
namespace chrono = std::chrono;

namespace {

using testreadings::reading;

// The moment of a reading as calendar minutes, and back: the scan walks real dates, as a
// user typing each minute into the window would.
chrono::sys_time<chrono::minutes> momentOf(const ReadingInput& in) {
    const chrono::sys_days day =
        chrono::sys_days(chrono::year(in.year) / chrono::month(static_cast<unsigned>(in.month)) /
                         1) +
        chrono::days(in.day - 1);
    return day + chrono::hours(in.hour) + chrono::minutes(in.minute);
}

ReadingInput atMoment(const ReadingInput& base, chrono::sys_time<chrono::minutes> moment) {
    const chrono::sys_days day = chrono::floor<chrono::days>(moment);
    const chrono::year_month_day date(day);
    const chrono::hh_mm_ss clock(moment - day);
    ReadingInput in = base;
    in.year = static_cast<std::int16_t>(static_cast<int>(date.year()));
    in.month = static_cast<std::int16_t>(static_cast<unsigned>(date.month()));
    in.day = static_cast<std::int16_t>(static_cast<unsigned>(date.day()));
    in.hour = static_cast<std::int16_t>(clock.hours().count());
    in.minute = static_cast<std::int16_t>(clock.minutes().count());
    return in;
}

struct ScanResult {
    int minutes = 0; // 0: no change within two hours
    std::string other;
};

// Every minute from the entered one outwards, through the whole engine: the first minute
// after that names another nakshatra, else the first one before.
ScanResult scanEveryMinute(const ReadingInput& in) {
    const auto start = momentOf(in);
    const std::string here = CalculateNakshatra(in);
    for (int direction : {1, -1}) {
        for (int m = 1; m <= 120; ++m) {
            const std::string name =
                CalculateNakshatra(atMoment(in, start + chrono::minutes(direction * m)));
            if (name != here) {
                return {direction * m, name};
            }
        }
    }
    return {};
}

ReadingInput randomReading(std::mt19937& random) {
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const int year = pick(1901, 2050);
    const int month = pick(1, 12);
    const auto last =
        chrono::year_month_day_last(chrono::year(year) /
                                    chrono::month(static_cast<unsigned>(month)) / chrono::last)
            .day();
    const int zoneMinutes[] = {0, 30, 45};
    return reading(month, pick(1, static_cast<int>(static_cast<unsigned>(last))), year, pick(0, 23),
                   pick(0, 59), pick(0, 12), zoneMinutes[pick(0, 2)], pick(0, 1) == 1, pick(0, 179),
                   pick(0, 59), pick(0, 1) == 1);
}

void expectSameAsScan(const ReadingInput& in, const char* reason) {
    const ScanResult scan = scanEveryMinute(in);
    const std::optional<NakshatraChange> change = NearestChange(in);
    ASSERT_EQ(change.has_value(), scan.minutes != 0) << reason;
    if (!change) {
        return;
    }
    EXPECT_EQ(change->minutes, scan.minutes) << reason;
    EXPECT_EQ(NakshatraNames[static_cast<std::size_t>(change->otherIndex)], scan.other) << reason;
    EXPECT_EQ(momentOf(change->reading), momentOf(in) + chrono::minutes(scan.minutes)) << reason;
}

// The issue's own reading: London, 4 July 2025, 12:00 summer time, Chitra 11′ short of Swati.
TEST(NearestChange, LondonInJuly2025) {
    const ReadingInput london = reading(7, 4, 2025, 12, 0, 0, 0, false, 0, 7, true);
    const std::optional<MoonPosition> position = PositionOf(ReadingSiderealLongitude(london));
    ASSERT_TRUE(position);
    EXPECT_EQ(position->arcminutes, 186 * 60 + 28);
    EXPECT_EQ(position->index, 13);
    EXPECT_EQ(position->quarter, 4);
    const std::optional<NakshatraChange> change = NearestChange(london);
    ASSERT_TRUE(change);
    EXPECT_EQ(change->minutes, 23);
    EXPECT_EQ(change->otherIndex, 14);
    EXPECT_EQ(change->reading.hour, 12);
    EXPECT_EQ(change->reading.minute, 23);
    // Half an hour later the change lies behind: the last minute of Chitra.
    const std::optional<NakshatraChange> before = NearestChange(ShiftedReading(london, 30));
    ASSERT_TRUE(before);
    EXPECT_EQ(before->minutes, -8);
    EXPECT_EQ(before->otherIndex, 13);
}

TEST(NearestChange, MatchesAMinuteByMinuteScan) {
    std::mt19937 random(13);
    int later = 0;
    int earlier = 0;
    for (int i = 0; i < 300; ++i) {
        const ReadingInput in = randomReading(random);
        expectSameAsScan(in, "random reading");
        const std::optional<NakshatraChange> change = NearestChange(in);
        if (!change) {
            continue;
        }
        (change->minutes > 0 ? later : earlier) += 1;
        // The same boundary seen from the window's edges, and from one past them.
        const int crossing = change->minutes > 0 ? change->minutes : change->minutes + 1;
        struct Edge {
            const char* reason;
            int shift;
        };
        const Edge edges[] = {
            {"the next minute is the other side", crossing - 1},
            {"the other side begins at the window's last minute", crossing - 120},
            {"the other side begins one past the window", crossing - 121},
            {"the previous minute is the other side", crossing},
            {"the other side ends at the window's first minute", crossing + 119},
            {"the other side ends one before the window", crossing + 120},
        };
        for (const Edge& edge : edges) {
            expectSameAsScan(ShiftedReading(in, edge.shift), edge.reason);
        }
    }
    // The scan means little unless both directions were met often.
    EXPECT_GT(later, 20);
    EXPECT_GT(earlier, 20);
}

TEST(NearestChange, RevatiWrapsToAshwini) {
    // 30 June 2024, 00:00 at zone 10 east: Revati at 352°55′, 6°25′ from Ashwini: far, so walk
    // on in steps of two hours until the change falls inside the window.
    ReadingInput in = reading(6, 30, 2024, 0, 0, 10, 0, true, 151, 12, false);
    std::optional<NakshatraChange> change;
    for (int step = 0; step < 12 && !change; ++step) {
        in = ShiftedReading(in, 120);
        change = NearestChange(in);
    }
    ASSERT_TRUE(change);
    EXPECT_EQ(change->otherIndex, 0);
    expectSameAsScan(in, "Revati to Ashwini");
}

TEST(NakshatraQuarter, Edges) {
    struct Case {
        const char* reason;
        double sidereal;
        int quarter;
    };
    const Case cases[] = {
        {"start of the circle", 0, 1},
        {"last arcsecond of the first quarter", 3 + 19.99 / 60, 1},
        {"210 arcminutes: second quarter", 3.5, 2},
        {"599.4 arcminutes: third quarter", 9.99, 3},
        {"600 arcminutes starts the fourth", 10, 4},
        {"a boundary starts the next nakshatra's first quarter", 40, 1},
        {"just short of it is still the fourth", 39.999, 4},
        {"Revati's last quarter", 359.99, 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NakshatraQuarter(c.sidereal), c.quarter) << c.reason;
    }
}

// The minutes shown come from the same value as the index, so they never belong to the next
// nakshatra, even a hair below a boundary.
TEST(PositionOf, TruncatesWithinItsNakshatra) {
    EXPECT_FALSE(PositionOf(-0.001)) << "below the circle";
    EXPECT_FALSE(PositionOf(360)) << "360 is the empty slot";
    EXPECT_FALSE(PositionOf(std::nan(""))) << "not a number";
    for (int boundary = 1; boundary < 27; ++boundary) {
        const double below = std::nextafter(boundary * 40.0 / 3, 0.0);
        const std::optional<MoonPosition> p = PositionOf(below);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->arcminutes / 800, p->index) << "boundary " << boundary;
        EXPECT_EQ(p->arcminutes % 800 / 200 + 1, p->quarter) << "boundary " << boundary;
    }
}

} // namespace

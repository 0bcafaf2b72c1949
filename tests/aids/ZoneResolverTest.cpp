// Zones and daylight saving from the system's tz database: the history rows need Linux
// with tzdata (Qt's Windows backend knows nothing before 1970).
#include "aids/ZoneResolver.h"

#include <gtest/gtest.h>

using ZoneResolver::LocalOffset;
using ZoneResolver::ZoneEntry;

namespace {

constexpr int Hour = 3600;

struct ZoneRow {
    const char* reason;
    const char* zone;
    QDate date;
    QTime time;
    int longitudeMinutes; // east positive
    const char* hour;
    const char* minute;
    bool daylightSaving;
};

TEST(ZoneResolver, EntriesFromTheTzDatabase) {
    const int madrid = -(3 * 60 + 42);
    const int newYork = -(74 * 60);
    const ZoneRow rows[] = {
        {"Madrid in winter: CET", "Europe/Madrid", {2025, 1, 7}, {12, 0}, madrid, "-1", "0", false},
        {"Madrid in summer: CEST", "Europe/Madrid", {2025, 7, 7}, {12, 0}, madrid, "-1", "0", true},
        {"Madrid on 15 January 1935, on GMT",
         "Europe/Madrid",
         {1935, 1, 15},
         {12, 0},
         madrid,
         "0",
         "0",
         false},
        {"New York in winter", "America/New_York", {2025, 1, 7}, {12, 0}, newYork, "5", "0", false},
        {"New York in summer", "America/New_York", {2025, 7, 4}, {12, 0}, newYork, "5", "0", true},
        {"Kolkata", "Asia/Kolkata", {2025, 1, 7}, {12, 0}, 88 * 60 + 22, "-5", "-30", false},
        {"India's war time, 1943: 5:30 and an hour of saving",
         "Asia/Kolkata",
         {1943, 6, 1},
         {12, 0},
         88 * 60 + 22,
         "-5",
         "-30",
         true},
        {"Kathmandu", "Asia/Kathmandu", {2025, 1, 7}, {12, 0}, 85 * 60 + 19, "-5", "-45", false},
        {"London's double summer time, 1941",
         "Europe/London",
         {1941, 6, 15},
         {12, 0},
         -8,
         "-1",
         "0",
         true},
        {"London in summer west of Greenwich",
         "Europe/London",
         {2025, 7, 4},
         {12, 0},
         -8,
         "0",
         "0",
         true},
        {"Dublin in winter: negative saving leaves DST unticked",
         "Europe/Dublin",
         {2025, 1, 15},
         {12, 0},
         -(6 * 60 + 16),
         "0",
         "0",
         false},
        {"Prague in December 1946: negative saving",
         "Europe/Prague",
         {1946, 12, 15},
         {12, 0},
         14 * 60 + 25,
         "0",
         "0",
         false},
        {"Dublin mean time, 1910: -0:25:21 rounds to 25 minutes",
         "Europe/Dublin",
         {1910, 6, 1},
         {12, 0},
         -(6 * 60 + 16),
         "0",
         "25",
         false},
        {"Sydney in January",
         "Australia/Sydney",
         {2025, 1, 7},
         {12, 0},
         151 * 60 + 12,
         "-10",
         "0",
         true},
        {"Apia, west of Greenwich, 13 hours ahead",
         "Pacific/Apia",
         {2024, 3, 2},
         {12, 0},
         -(171 * 60 + 46),
         "-13",
         "0",
         false},
        {"Madrid spring gap 02:30: the offset before the change",
         "Europe/Madrid",
         {2025, 3, 30},
         {2, 30},
         madrid,
         "-1",
         "0",
         false},
        {"Madrid autumn repeat 02:30: the offset before the change",
         "Europe/Madrid",
         {2025, 10, 26},
         {2, 30},
         madrid,
         "-1",
         "0",
         true},
        {"Madrid just after the spring change",
         "Europe/Madrid",
         {2025, 3, 30},
         {3, 0},
         madrid,
         "-1",
         "0",
         true},
        {"Madrid just after the autumn repeat",
         "Europe/Madrid",
         {2025, 10, 26},
         {3, 0},
         madrid,
         "-1",
         "0",
         false},
        {"New York spring gap",
         "America/New_York",
         {2025, 3, 9},
         {2, 30},
         newYork,
         "5",
         "0",
         false},
        {"New York autumn repeat",
         "America/New_York",
         {2025, 11, 2},
         {1, 30},
         newYork,
         "5",
         "0",
         true},
    };
    for (const ZoneRow& row : rows) {
        const QTimeZone zone(row.zone);
        ASSERT_TRUE(zone.isValid()) << row.zone << ": is tzdata installed?";
        const std::optional<LocalOffset> offset = ZoneResolver::OffsetAt(zone, row.date, row.time);
        ASSERT_TRUE(offset) << row.reason;
        const std::optional<ZoneEntry> entry =
            ZoneResolver::EntryFor(*offset, row.longitudeMinutes);
        ASSERT_TRUE(entry) << row.reason;
        EXPECT_EQ(entry->hour, QLatin1String(row.hour)) << row.reason;
        EXPECT_EQ(entry->minute, QLatin1String(row.minute)) << row.reason;
        EXPECT_EQ(entry->daylightSaving, row.daylightSaving) << row.reason;
    }
}

TEST(ZoneResolver, OffsetsAroundChanges) {
    const struct {
        const char* reason;
        const char* zone;
        QDate date;
        QTime time;
        int total;
        int daylight;
    } rows[] = {
        {"an hour before the spring gap", "Europe/Madrid", {2025, 3, 30}, {1, 0}, Hour, 0},
        {"in the gap", "Europe/Madrid", {2025, 3, 30}, {2, 59}, Hour, 0},
        {"first minute of summer time", "Europe/Madrid", {2025, 3, 30}, {3, 0}, 2 * Hour, Hour},
        {"last minute before the repeat", "Europe/Madrid", {2025, 10, 26}, {1, 59}, 2 * Hour, Hour},
        {"start of the repeated hour", "Europe/Madrid", {2025, 10, 26}, {2, 0}, 2 * Hour, Hour},
        {"after the repeated hour", "Europe/Madrid", {2025, 10, 26}, {3, 0}, Hour, 0},
        {"Lord Howe's half-hour change, in its gap",
         "Australia/Lord_Howe",
         {2025, 10, 5},
         {2, 15},
         10 * Hour + Hour / 2,
         0},
    };
    for (const auto& row : rows) {
        const std::optional<LocalOffset> offset =
            ZoneResolver::OffsetAt(QTimeZone(row.zone), row.date, row.time);
        ASSERT_TRUE(offset) << row.reason;
        EXPECT_EQ(offset->total, row.total) << row.reason;
        EXPECT_EQ(offset->daylight > 0, row.daylight > 0) << row.reason;
    }
    EXPECT_FALSE(ZoneResolver::OffsetAt(QTimeZone("Europe/Madrid"), QDate(2025, 4, 31), {12, 0}))
        << "31 April is no date";
    EXPECT_FALSE(ZoneResolver::OffsetAt(QTimeZone("No/Such_Zone"), {2025, 1, 1}, {12, 0}));
}

TEST(ZoneResolver, EntriesForOffsets) {
    const struct {
        const char* reason;
        LocalOffset offset;
        int longitudeMinutes;
        std::optional<ZoneEntry> expected;
    } rows[] = {
        {"behind universal time east of Greenwich cannot be entered",
         {-11 * Hour, 0},
         173 * 60,
         std::nullopt},
        {"nor can it with saving", {-10 * Hour, Hour}, 173 * 60, std::nullopt},
        {"the same zone west of Greenwich can", {-11 * Hour, 0}, -(176 * 60), ZoneEntry{"11", "0"}},
        {"half an hour with saving east: only the other DST choice reads back",
         {Hour / 2, Hour},
         60,
         ZoneEntry{"0", "-30", false}},
        {"half an hour with saving west: DST ticked",
         {Hour / 2, Hour},
         -60,
         ZoneEntry{"0", "30", true}},
        {"0:19:32 rounds to 20 minutes ahead",
         {19 * 60 + 32, 0},
         4 * 60 + 54,
         ZoneEntry{"0", "-20", false}},
        {"Newfoundland: minutes take the hour's sign",
         {-(3 * Hour + Hour / 2), 0},
         -(52 * 60),
         ZoneEntry{"3", "30", false}},
        {"universal time on Greenwich itself", {0, 0}, 0, ZoneEntry{"0", "0", false}},
    };
    for (const auto& row : rows) {
        const std::optional<ZoneEntry> entry =
            ZoneResolver::EntryFor(row.offset, row.longitudeMinutes);
        ASSERT_EQ(entry.has_value(), row.expected.has_value()) << row.reason;
        if (entry) {
            EXPECT_EQ(entry->hour, row.expected->hour) << row.reason;
            EXPECT_EQ(entry->minute, row.expected->minute) << row.reason;
            EXPECT_EQ(entry->daylightSaving, row.expected->daylightSaving) << row.reason;
        }
    }
}

TEST(ZoneResolver, EngineReadsTheSignedZone) {
    const struct {
        const char* reason;
        ZoneEntry entry;
        int longitudeMinutes;
        int minutesAhead;
    } rows[] = {
        {"a minus hour is ahead west of Greenwich", {"-1", "0", false}, -222, 60},
        {"a minus minute with hour 0 is ahead", {"0", "-30", false}, -222, 30},
        {"a minus minute with a plain hour: the hemisphere decides",
         {"1", "-30", false},
         -222,
         -90},
        {"a plain hour east of Greenwich is ahead", {"5", "30", false}, 77 * 60, 330},
        {"a plain hour west is behind", {"5", "0", false}, -74 * 60, -300},
        {"saving behind takes an hour off", {"5", "0", true}, -74 * 60, -240},
        {"saving ahead adds one", {"-1", "0", true}, -222, 120},
        {"longitude 0 counts as west", {"1", "0", false}, 0, -60},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ZoneResolver::EngineOffsetMinutes(row.entry, row.longitudeMinutes),
                  row.minutesAhead)
            << row.reason;
    }
}

} // namespace

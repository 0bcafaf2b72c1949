// The zone as people write it, and the check of the zone read against a place's clock.
#include "tests/engine/TestReadings.h"
#include "tests/support/QStringPrinter.h"

#include "ui/ZoneCheck.h"

#include <gtest/gtest.h>

namespace {

constexpr int Madrid = -222; // 3°42′ W in minutes of arc, east positive
constexpr int Mumbai = 4431; // 73°51′ E

TEST(ZoneCheck, UtcLabelReadsTheBoxesAsTheReadingDoes) {
    const struct {
        const char* reason;
        const char* hour;
        const char* minute;
        bool dst;
        int longitude;
        const char* shown;
    } rows[] = {
        {"no sign, west: behind", "1", "0", false, Madrid, "UTC\u22121:00"},
        {"a minus sign runs ahead in the west", "-1", "0", false, Madrid, "UTC+1:00"},
        {"a minus on the minute alone", "0", "-30", false, Madrid, "UTC+0:30"},
        {"no sign, east: ahead", "5", "30", false, Mumbai, "UTC+5:30"},
        {"the hemisphere decides: west", "5", "30", false, -Mumbai, "UTC\u22125:30"},
        {"DST ahead adds an hour", "5", "45", true, Mumbai, "UTC+6:45"},
        {"DST behind takes one off", "5", "0", true, Madrid, "UTC\u22124:00"},
        {"no offset", "0", "0", false, Madrid, "UTC+0:00"},
        {"an empty hour counts as 0", "", "30", false, Mumbai, "UTC+0:30"},
        {"both boxes empty", "", "", true, Mumbai, ""},
        {"a box that fails its check", "1x", "0", false, Mumbai, ""},
        {"beyond 16 bits", "40000", "0", false, Mumbai, ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ZoneCheck::UtcLabel(QString::fromUtf8(row.hour), QString::fromUtf8(row.minute),
                                      row.dst, row.longitude),
                  QString::fromUtf8(row.shown))
            << row.reason;
    }
}

TEST(ZoneCheck, WarningWhenTheZoneReadIsNotThePlacesClock) {
    const auto madrid = [](int month, int zoneHours, bool dst, const char* zoneId) {
        ReadingInput in =
            testreadings::reading(month, 2, 2025, 12, 0, zoneHours, 0, false, 3, 42, dst);
        PlaceRecord place = PlaceRecordOf(in, QStringLiteral("Madrid"), {}, {});
        place.chosenName = QStringLiteral("Madrid");
        place.zoneId = zoneId;
        return std::pair{in, place};
    };
    auto ahead = madrid(1, 1, false, "Europe/Madrid");
    ahead.first.zoneDirection = ZoneDirection::Ahead;
    auto summerAhead = madrid(7, 1, false, "Europe/Madrid");
    summerAhead.first.zoneDirection = ZoneDirection::Ahead;
    auto summerDst = summerAhead;
    summerDst.first.daylightSaving = true;
    const struct {
        const char* reason;
        std::pair<ReadingInput, PlaceRecord> reading;
        const char* warning;
    } rows[] = {
        {"UTC+1 typed without its sign", madrid(1, 1, false, "Europe/Madrid"),
         "The zone read, UTC\u22121:00, is not the clock of Madrid on that day: UTC+1:00 "
         "(Europe/Madrid)."},
        {"the place's clock", ahead, ""},
        {"summer time not ticked", summerAhead,
         "The zone read, UTC+1:00, is not the clock of Madrid on that day: UTC+2:00 "
         "(Europe/Madrid)."},
        {"summer time ticked", summerDst, ""},
        {"no place chosen", madrid(1, 1, false, ""), ""},
        {"a zone this computer does not know", madrid(1, 1, false, "Europe/Nowhere"), ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ZoneCheck::ZoneWarning(row.reading.first, row.reading.second),
                  QString::fromUtf8(row.warning))
            << row.reason;
    }
}

} // namespace

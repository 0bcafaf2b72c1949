#include "ui/ReadingDetails.h"
#include "tests/engine/TestReadings.h"
#include "tests/support/QStringPrinter.h"
#include "ui/ReadingReport.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

// The shared test reading, with a name for the summary.
ReadingInput reading(int month, int day, int year, int hour, int minute, int zoneHours,
                     int zoneMinutes, bool east, int lonDegrees, int lonMinutes, bool dst) {
    ReadingInput in = testreadings::reading(month, day, year, hour, minute, zoneHours, zoneMinutes,
                                            east, lonDegrees, lonMinutes, dst);
    in.name = "Asha";
    return in;
}

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QString Caution = QStringLiteral(
    "Close to a boundary: a few minutes' difference in the time of loss gives the other reading.");

// London, 4 July 2025, summer time: Chitra until 12:22, Swati from 12:23.
TEST(ReadingDetails, PositionChangeAndCaution) {
    struct Case {
        const char* reason;
        ReadingInput in;
        QString position, change, caution;
    };
    const Case cases[] = {
        {"23 minutes before the change: later side named, no caution",
         reading(7, 4, 2025, 12, 0, 0, 0, false, 0, 7, true),
         QStringLiteral("Moon at 186°28′ sidereal: Chitra, quarter 4."),
         QStringLiteral("From 12:23 local time the Moon is in Swati, Group Three (Sulochan): "
                        "search to the north; may not be found."),
         QString()},
        {"10 minutes before: the caution's last minute",
         reading(7, 4, 2025, 12, 13, 0, 0, false, 0, 7, true),
         {},
         QStringLiteral("From 12:23 local time the Moon is in Swati, Group Three (Sulochan): "
                        "search to the north; may not be found."),
         Caution},
        {"11 minutes before: no caution",
         reading(7, 4, 2025, 12, 12, 0, 0, false, 0, 7, true),
         {},
         {},
         QString()},
        {"8 minutes after: earlier side named with its last minute",
         reading(7, 4, 2025, 12, 30, 0, 0, false, 0, 7, true),
         QStringLiteral("Moon at 186°43′ sidereal: Swati, quarter 1."),
         QStringLiteral("Until 12:22 local time the Moon was in Chitra, Group Two (Madhayaksh): "
                        "search to the west; may not be usable once found."),
         Caution},
        {"the change after midnight names its date",
         reading(7, 4, 2025, 23, 50, 12, 40, true, 170, 0, false),
         {},
         QStringLiteral("From 0:03 local time on July 5, 2025 the Moon is in Swati, Group Three "
                        "(Sulochan): search to the north; may not be found."),
         QString()},
        {"no boundary within two hours", reading(8, 15, 2010, 10, 30, 5, 30, true, 77, 13, false),
         QStringLiteral("Moon at 188°38′ sidereal: Swati, quarter 1."),
         QStringLiteral(
             "The Moon stays in this nakshatra from two hours before to two hours after."),
         QString()},
    };
    for (const auto& c : cases) {
        const ReadingDetails::Details d = ReadingDetails::DetailsOf(c.in, English);
        if (!c.position.isEmpty()) {
            EXPECT_EQ(d.position, c.position) << c.reason;
        }
        if (!c.change.isEmpty()) {
            EXPECT_EQ(d.change, c.change) << c.reason;
        }
        EXPECT_EQ(d.caution, c.caution) << c.reason;
    }
}

// The summary's zone carries the direction the reading took it in, which the magnitudes in
// the record do not show.
TEST(ReadingReport, ZoneSaysWhichWayItRuns) {
    struct Case {
        const char* reason;
        ReadingInput in;
        QString zone;
    };
    ReadingInput madrid = reading(1, 7, 2025, 12, 0, 1, 0, false, 3, 42, false);
    madrid.zoneDirection = ZoneDirection::Ahead;
    const Case cases[] = {
        {"a minus sign west of Greenwich", madrid,
         QStringLiteral("1:00 ahead of universal time, no daylight saving")},
        {"east by its hemisphere", reading(8, 15, 2010, 10, 30, 5, 30, true, 77, 13, false),
         QStringLiteral("5:30 ahead of universal time, no daylight saving")},
        {"west by its hemisphere", reading(7, 4, 2025, 12, 0, 5, 0, false, 74, 0, true),
         QStringLiteral("5:00 behind universal time, daylight saving")},
        {"no zone", reading(7, 4, 2025, 12, 0, 0, 0, false, 0, 7, true),
         QStringLiteral("0:00, daylight saving")},
    };
    for (const auto& c : cases) {
        const ReadingReport::Report report =
            ReadingReport::MakeReport(c.in, PlaceRecordOf(c.in, {}, {}, {}), {},
                                      ReadingDetails::DetailsOf(c.in, English), English);
        QString zone;
        for (const auto& item : report.items) {
            if (item.caption == QStringLiteral("Time zone")) {
                zone = item.text;
            }
        }
        EXPECT_EQ(zone, c.zone) << c.reason;
    }
}

TEST(ReadingReport, SummaryHoldsEveryPartInOrder) {
    const ReadingInput in = reading(7, 4, 2025, 12, 0, 0, 0, false, 0, 7, true);
    const ReadingReport::Report report = ReadingReport::MakeReport(
        in,
        PlaceRecordOf(in, QStringLiteral(" London "), QString(), QStringLiteral("United Kingdom")),
        {QStringLiteral("Chitra"), QStringLiteral("Group Two (Madhayaksh)"),
         QStringLiteral("characteristics"), QStringLiteral("interpretation"),
         QStringLiteral("July 4, 2025")},
        ReadingDetails::DetailsOf(in, English), English);
    EXPECT_EQ(report.pictureNumber, 14) << "Chitra's picture";
    EXPECT_EQ(
        ReadingReport::SummaryText(report),
        QStringLiteral(
            "QV Vantrel reading\n"
            "Name: Asha\n"
            "Date on which the Object was lost: July 4, 2025\n"
            "Moment: 12:00 local time, 1:00 ahead of universal time (daylight saving included): "
            "11:00 UT\n"
            "Place: London, United Kingdom\n"
            "Longitude and latitude: 0°07′ West, 0°00′ North\n"
            "Time zone: 0:00, daylight saving\n"
            "Nakshatra for the day: Chitra\n"
            "Nakshatra Group: Group Two (Madhayaksh)\n"
            "Characteristics: characteristics\n"
            "Interpretation for Recovery of Lost Objects: interpretation\n"
            "Position: Moon at 186°28′ sidereal: Chitra, quarter 4.\n"
            "Nearest change: From 12:23 local time the Moon is in Swati, Group Three (Sulochan): "
            "search to the north; may not be found.\n"));
}

} // namespace

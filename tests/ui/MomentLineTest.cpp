// The zone's direction from the zone boxes, and the moment line under the date line.
#include "ui/MomentLine.h"
#include "aids/NumberText.h"
#include "tests/engine/TestReadings.h"
#include "ui/InputChecks.h"
#include "ui/ReadingRecord.h"
#include "ui/modNakshatraInformation.h"

#include "UiTestSupport.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

namespace {

TEST(ZoneDirectionOf, AMinusSignOnTheHourOrOnMinutesAloneMeansAhead) {
    struct Case {
        const char* hour;
        const char* minute;
        ZoneDirection expected;
        const char* reason;
    };
    constexpr auto Ahead = ZoneDirection::Ahead;
    constexpr auto None = ZoneDirection::None;
    const Case cases[] = {
        {"-1", "0", Ahead, "Central European Time as the picker writes it"},
        {"-5", "-30", Ahead, "Indian Time as the picker writes it"},
        {"-1", "30", Ahead, "a negative hour decides alone"},
        {"0", "-30", Ahead, "a zero hour leaves it to the minutes"},
        {"", "-30", Ahead, "an empty hour box counts as 0"},
        {"-0", "-30", Ahead, "minus zero is zero"},
        {" -0.6 ", "0", Ahead, "read as the number reader reads it: -1"},
        {"-0.4", "0", None, "rounds to zero, not below it"},
        {"-0", "0", None, "minus zero is not below 0"},
        {"1", "-30", None, "an hour above 0 decides: no direction"},
        {"5", "30", None, "no minus sign: the hemisphere decides"},
        {"", "", None, "both empty"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberText::ZoneDirectionOf(QLatin1String(c.hour), QLatin1String(c.minute)),
                  c.expected)
            << '"' << c.hour << "\" \"" << c.minute << "\": " << c.reason;
    }
}

struct MomentCase {
    const char* reason;
    int month, day, year, hour, minute;
    int zoneHours, zoneMinutes;
    ZoneDirection direction;
    bool dst;
    bool east;
    int longitude;
    const char* line;
};

ReadingInput readingOf(const MomentCase& c) {
    ReadingInput r = testreadings::reading(c.month, c.day, c.year, c.hour, c.minute, c.zoneHours,
                                           c.zoneMinutes, c.east, c.longitude, 0, c.dst);
    r.zoneDirection = c.direction;
    return r;
}

TEST(MomentLine, NamesTheMomentReadWithItsNetOffsetAndAnyOtherDate) {
    constexpr auto Ahead = ZoneDirection::Ahead;
    constexpr auto None = ZoneDirection::None;
    const MomentCase cases[] = {
        {"Madrid, CET", 1, 7, 2025, 12, 0, 1, 0, Ahead, false, false, 3,
         "12:00 local time, 1:00 ahead of universal time: 11:00 UT"},
        {"Madrid in summer", 7, 25, 2025, 12, 0, 1, 0, Ahead, true, false, 3,
         "12:00 local time, 2:00 ahead of universal time (daylight saving included): 10:00 UT"},
        {"New York in summer: into the next day", 7, 4, 2015, 21, 0, 5, 0, None, true, false, 74,
         "21:00 local time, 4:00 behind universal time (daylight saving included): 01:00 UT, "
         "July 5, 2015"},
        {"Apia: back into the day before", 3, 2, 2024, 12, 0, 13, 0, Ahead, false, false, 171,
         "12:00 local time, 13:00 ahead of universal time: 23:00 UT, March 1, 2024"},
        {"India: half hours", 8, 15, 2010, 10, 30, 5, 30, None, false, true, 77,
         "10:30 local time, 5:30 ahead of universal time: 05:00 UT"},
        {"into the next year", 12, 31, 2024, 23, 30, 5, 0, None, false, false, 74,
         "23:30 local time, 5:00 behind universal time: 04:30 UT, January 1, 2025"},
        {"back into the year before", 1, 1, 2025, 0, 15, 5, 30, Ahead, false, true, 77,
         "00:15 local time, 5:30 ahead of universal time: 18:45 UT, December 31, 2024"},
        {"a typed zone of 99 hours moves the moment by days", 1, 7, 2025, 12, 0, 99, 0, None, false,
         false, 3, "12:00 local time, 99:00 behind universal time: 15:00 UT, January 11, 2025"},
        {"universal time itself", 1, 1, 2000, 12, 0, 0, 0, None, false, false, 0,
         "12:00 local time, the same as universal time: 12:00 UT"},
        {"daylight saving at zone 0 in the west runs the clock ahead", 1, 1, 2000, 12, 0, 0, 0,
         None, true, false, 0,
         "12:00 local time, 1:00 ahead of universal time (daylight saving included): 11:00 UT"},
    };
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const MomentCase& c : cases) {
        EXPECT_EQ(ReadingMoment::MomentLine(readingOf(c), english), QLatin1String(c.line))
            << c.reason;
    }
}

TEST(MomentLine, IsWrittenWithTheDateLineAndOnlyWithIt) {
    QLabel date;
    QLabel moment(QStringLiteral("previous"));
    modNakshatraInformation::ResultView view;
    view.lblResult[4] = &date;
    view.lblMoment = &moment;
    ReadingInput r;
    r.month = 13; // no date line
    modNakshatraInformation::ShowNakshatraInformation(QStringLiteral("Revati"), view, r);
    EXPECT_EQ(moment.text(), QStringLiteral("previous"));

    r.month = 1;
    r.day = 7;
    r.year = 2025;
    r.hour = 12;
    modNakshatraInformation::ShowNakshatraInformation(QStringLiteral("Revati"), view, r);
    EXPECT_EQ(moment.text(), ReadingMoment::MomentLine(r, QLocale()));
    EXPECT_EQ(moment.accessibleDescription(), moment.text()) << "a screen reader hears it too";
}

class MomentWindow : public uitest::MainWindowTest {
protected:
    QLabel* label(const char* name) { return control<QLabel>(name); }
    void enterMadrid(const char* zoneHour) {
        control<QLineEdit>("txtName")->setText(QStringLiteral("Ines"));
        control<QComboBox>("cboMonth")->setCurrentIndex(0);
        control<QComboBox>("cboDate")->setCurrentText(QStringLiteral("7"));
        control<QComboBox>("cboYear")->setCurrentText(QStringLiteral("2025"));
        control<QComboBox>("cboHH")->setCurrentText(QStringLiteral("12"));
        control<QComboBox>("cboMM")->setCurrentText(QStringLiteral("0"));
        control<QLineEdit>("txtZoneHour")->setText(QLatin1String(zoneHour));
        control<QLineEdit>("txtZoneMinute")->setText(QStringLiteral("0"));
        control<QLineEdit>("txtLonD")->setText(QStringLiteral("3"));
        control<QLineEdit>("txtLonM")->setText(QStringLiteral("42"));
        control<QLineEdit>("txtLatD")->setText(QStringLiteral("40"));
        control<QLineEdit>("txtLatM")->setText(QStringLiteral("25"));
        control<QRadioButton>("optLong1")->setChecked(true);
        control<QPushButton>("cmdBack")->click();
        control<QPushButton>("cmdRashi")->click();
    }
};

TEST_F(MomentWindow, TheSignInTheHourBoxSetsTheDirectionOfEachReading) {
    struct Row {
        const char* zoneHour;
        ZoneDirection direction;
        const char* nakshatra;
        const char* moment;
    };
    const Row rows[] = {
        {"-1", ZoneDirection::Ahead, "Revati",
         "12:00 local time, 1:00 ahead of universal time: 11:00 UT"},
        {"1", ZoneDirection::None, "Ashwini",
         "12:00 local time, 1:00 behind universal time: 13:00 UT"},
    };
    for (const Row& row : rows) {
        enterMadrid(row.zoneHour);
        EXPECT_EQ(currentReading().zoneDirection, row.direction)
            << row.zoneHour << ": set on every reading, never carried over";
        EXPECT_EQ(label("lblResult0")->text(), QLatin1String(row.nakshatra)) << row.zoneHour;
        EXPECT_EQ(label("lblMoment")->text(), QLatin1String(row.moment)) << row.zoneHour;
    }
    QLabel* moment = label("lblMoment");
    QLabel* date = label("lblResult4");
    EXPECT_TRUE(moment->isVisible());
    EXPECT_EQ(moment->x(), date->x());
    EXPECT_GE(moment->y(), date->y() + date->height()) << "under the date line";
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(moment);
    ASSERT_NE(spoken, nullptr);
    EXPECT_FALSE(spoken->text(QAccessible::Name).isEmpty());
    EXPECT_EQ(spoken->text(QAccessible::Description), moment->text());
}

} // namespace

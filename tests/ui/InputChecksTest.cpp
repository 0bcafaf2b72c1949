// The input checks as plain functions, with no window: which check fails first for what the
// input panel holds.
#include "ui/InputChecks.h"

#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using InputChecks::FirstFailingCheck;
using InputChecks::Focus;
using InputChecks::FormEntries;
using platform::MessageIcon;

// Entries that pass every check: 1 January 2000, 12:00, zone 5:30, 77°13' East, 28°37' North.
FormEntries passing() {
    FormEntries e;
    e.name = QStringLiteral("Asha");
    e.monthPosition = 0;
    e.day = 1;
    e.year = 2000;
    e.hour = 12;
    e.minute = 0;
    e.zoneHour = QStringLiteral("5");
    e.zoneMinute = QStringLiteral("30");
    e.lonD = QStringLiteral("77");
    e.lonM = QStringLiteral("13");
    e.latD = QStringLiteral("28");
    e.latM = QStringLiteral("37");
    return e;
}

struct Expected {
    const char* message; // nullptr: every check passes
    MessageIcon icon;
    Focus focus;
};

const Expected Passes{nullptr, MessageIcon::Information, Focus::Unchanged};
const Expected NameMissing{"Please Enter Name", MessageIcon::Stop, Focus::Name};
const Expected ZoneHourWrong{"Please Enter Hour and Minute of Time Zone", MessageIcon::Stop,
                             Focus::ZoneHour};
const Expected ZoneMinuteWrong{"Please Enter Hour and Minute of Time Zone", MessageIcon::Stop,
                               Focus::ZoneMinute};
const Expected LonDWrong{"Please Enter Degree of Longitude", MessageIcon::Stop, Focus::LonD};
const Expected LonMWrong{"Please Enter Minute of Longitude", MessageIcon::Stop, Focus::LonM};
const Expected LatDWrong{"Please Enter Degree of Latitude", MessageIcon::Stop, Focus::LatD};
const Expected LatMWrong{"Please Enter Minute of Latitude", MessageIcon::Stop, Focus::LatM};
// February and a list left without a selection say it without a space before "!"; the
// thirty-day months with one.
const Expected WrongDate{"Please Enter Correct Date Or Month!", MessageIcon::Information,
                         Focus::Unchanged};
const Expected WrongThirtyDayDate{"Please Enter Correct Date Or Month !", MessageIcon::Information,
                                  Focus::Unchanged};

void expectOutcome(const FormEntries& entries, const Expected& expected, const std::string& row) {
    const std::optional<InputChecks::Failure> failure = FirstFailingCheck(entries);
    if (expected.message == nullptr) {
        EXPECT_FALSE(failure.has_value())
            << row << ": fails with " << failure->message.toStdString();
        return;
    }
    ASSERT_TRUE(failure.has_value()) << row << ": passes";
    EXPECT_EQ(failure->message, QLatin1String(expected.message)) << row;
    EXPECT_EQ(failure->icon, expected.icon) << row;
    EXPECT_EQ(failure->focus, expected.focus) << row;
}

struct MonthCase {
    const char* month;
    int commonDays;
    int leapDays;
    const Expected& tooLong;
};

TEST(InputChecks, EveryMonthTakesItsOwnDaysInLeapAndCommonYears) {
    const MonthCase months[] = {
        {"January", 31, 31, WrongDate},
        {"February", 28, 29, WrongDate},
        {"March", 31, 31, WrongDate},
        {"April", 30, 30, WrongThirtyDayDate},
        {"May", 31, 31, WrongDate},
        {"June", 30, 30, WrongThirtyDayDate},
        {"July", 31, 31, WrongDate},
        {"August", 31, 31, WrongDate},
        {"September", 30, 30, WrongThirtyDayDate},
        {"October", 31, 31, WrongDate},
        {"November", 30, 30, WrongThirtyDayDate},
        {"December", 31, 31, WrongDate},
    };
    const struct {
        const char* reason;
        int year;
        bool leap;
    } years[] = {{"common year", 2023, false},
                 {"leap year", 2024, true},
                 {"2000 is a leap year", 2000, true},
                 {"any year divisible by 4 counts as a leap year, 1904 too", 1904, true}};
    for (std::size_t position = 0; position < std::size(months); ++position) {
        const MonthCase& m = months[position];
        for (const auto& y : years) {
            for (const int day : {29, 30, 31}) {
                FormEntries e = passing();
                e.monthPosition = static_cast<int>(position);
                e.year = y.year;
                e.day = day;
                const int length = y.leap ? m.leapDays : m.commonDays;
                expectOutcome(e, day <= length ? Passes : m.tooLong,
                              std::string(m.month) + " " + std::to_string(day) + ", " +
                                  std::to_string(y.year) + " (" + y.reason + ")");
            }
        }
    }
}

struct OrderCase {
    const char* reason;
    std::function<void(FormEntries&)> spoil;
    const Expected& expected;
};

// Several fields fail at once: the first in the order of the checks is reported.
TEST(InputChecks, TheFirstFailingFieldInCheckOrderIsReported) {
    const OrderCase cases[] = {
        {"name before the zone",
         [](FormEntries& e) {
             e.name = QStringLiteral("  ");
             e.zoneHour = QStringLiteral("x");
         },
         NameMissing},
        {"zone hours before zone minutes",
         [](FormEntries& e) {
             e.zoneHour = QStringLiteral("x");
             e.zoneMinute = QStringLiteral("y");
         },
         ZoneHourWrong},
        {"zone minutes before longitude degrees",
         [](FormEntries& e) {
             e.zoneMinute = QStringLiteral("y");
             e.lonD.clear();
         },
         ZoneMinuteWrong},
        {"longitude degrees before latitude degrees",
         [](FormEntries& e) {
             e.lonD.clear();
             e.latD.clear();
         },
         LonDWrong},
        {"longitude degrees before longitude minutes",
         [](FormEntries& e) {
             e.lonD = QStringLiteral("40000");
             e.lonM = QStringLiteral("1e3");
         },
         LonDWrong},
        {"longitude minutes before latitude degrees",
         [](FormEntries& e) {
             e.lonM.clear();
             e.latD.clear();
         },
         LonMWrong},
        {"latitude degrees before latitude minutes",
         [](FormEntries& e) {
             e.latD = QStringLiteral("N");
             e.latM.clear();
         },
         LatDWrong},
        {"latitude minutes before the date",
         [](FormEntries& e) {
             e.latM.clear();
             e.monthPosition = -1;
         },
         LatMWrong},
        {"longitude and latitude degrees and a wrong date: longitude first",
         [](FormEntries& e) {
             e.lonD.clear();
             e.latD.clear();
             e.monthPosition = 1;
             e.day = 31;
         },
         LonDWrong},
        {"name, longitude and latitude degrees: the name first",
         [](FormEntries& e) {
             e.name.clear();
             e.lonD.clear();
             e.latD.clear();
         },
         NameMissing},
        {"both zone boxes empty before the longitude",
         [](FormEntries& e) {
             e.zoneHour.clear();
             e.zoneMinute.clear();
             e.lonD.clear();
         },
         ZoneHourWrong},
        {"a missing month before a wrong February day",
         [](FormEntries& e) {
             e.monthPosition = -1;
             e.day = 30;
         },
         WrongDate},
    };
    for (const auto& c : cases) {
        FormEntries e = passing();
        c.spoil(e);
        expectOutcome(e, c.expected, c.reason);
    }
}

// What an empty, blank or unselected field counts as.
TEST(InputChecks, EmptyBoxesAndListsWithoutSelection) {
    const OrderCase cases[] = {
        {"an empty zone hour box counts as 0", [](FormEntries& e) { e.zoneHour.clear(); }, Passes},
        {"an empty zone minute box counts as 0", [](FormEntries& e) { e.zoneMinute.clear(); },
         Passes},
        {"a zone box of spaces counts as empty",
         [](FormEntries& e) { e.zoneMinute = QStringLiteral("   "); }, Passes},
        {"both zone boxes empty fail at the hours",
         [](FormEntries& e) {
             e.zoneHour.clear();
             e.zoneMinute.clear();
         },
         ZoneHourWrong},
        {"both zone boxes blank fail at the hours",
         [](FormEntries& e) {
             e.zoneHour = QStringLiteral(" ");
             e.zoneMinute = QStringLiteral("  ");
         },
         ZoneHourWrong},
        {"a zone minute box beyond 16 bits fails at the minutes",
         [](FormEntries& e) { e.zoneMinute = QStringLiteral("32768"); }, ZoneMinuteWrong},
        {"a name of spaces is no name", [](FormEntries& e) { e.name = QStringLiteral("   "); },
         NameMissing},
        {"an empty degree box fails, it does not count as 0",
         [](FormEntries& e) { e.latD.clear(); }, LatDWrong},
        {"a degree box beyond 16 bits fails",
         [](FormEntries& e) { e.lonD = QStringLiteral("32768"); }, LonDWrong},
        {"the lowest 16-bit value passes",
         [](FormEntries& e) { e.lonM = QStringLiteral("-32768"); }, Passes},
        {"no month selected", [](FormEntries& e) { e.monthPosition = -1; }, WrongDate},
        {"no day selected", [](FormEntries& e) { e.day.reset(); }, WrongDate},
        {"no year selected", [](FormEntries& e) { e.year.reset(); }, WrongDate},
        {"no hour selected", [](FormEntries& e) { e.hour.reset(); }, WrongDate},
        {"no minute selected", [](FormEntries& e) { e.minute.reset(); }, WrongDate},
        {"a month position past December", [](FormEntries& e) { e.monthPosition = 12; }, WrongDate},
    };
    for (const auto& c : cases) {
        FormEntries e = passing();
        c.spoil(e);
        expectOutcome(e, c.expected, c.reason);
    }
}

} // namespace

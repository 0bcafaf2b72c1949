#include "InputChecks.h"

#include "aids/NumberText.h"

#include <QCoreApplication>

namespace InputChecks {

namespace {

using platform::MessageIcon;

constexpr int FebruaryPosition = 1;

bool isLeapYear(int year) {
    return year % 4 == 0;
}

// Month positions of April, June, September and November.
bool hasThirtyDays(int monthPosition) {
    return monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
}

Failure stop(const char* message, Focus focus) {
    return {QCoreApplication::translate("InputChecks", message), MessageIcon::Stop, focus};
}

Failure wrongDate(const char* message) {
    return {QCoreApplication::translate("InputChecks", message), MessageIcon::Information,
            Focus::Unchanged};
}

// A degree or minute box fails when empty or when its text gives no 16-bit number.
bool numberBoxFails(const QString& text) {
    return !NumberText::ToInt16(text).has_value();
}

} // namespace

std::optional<Failure> FirstFailingCheck(const FormEntries& e) {
    if (NumberText::TrimSpaces(e.name).isEmpty()) {
        return stop(QT_TRANSLATE_NOOP("InputChecks", "Please Enter Name"), Focus::Name);
    }
    const char* zoneMessage =
        QT_TRANSLATE_NOOP("InputChecks", "Please Enter Hour and Minute of Time Zone");
    if (NumberText::TrimSpaces(e.zoneHour).isEmpty() &&
        NumberText::TrimSpaces(e.zoneMinute).isEmpty()) {
        return stop(zoneMessage, Focus::ZoneHour);
    }
    if (!NumberText::ToZoneMagnitude(e.zoneHour)) {
        return stop(zoneMessage, Focus::ZoneHour);
    }
    if (!NumberText::ToZoneMagnitude(e.zoneMinute)) {
        return stop(zoneMessage, Focus::ZoneMinute);
    }
    if (numberBoxFails(e.lonD)) {
        return stop(QT_TRANSLATE_NOOP("InputChecks", "Please Enter Degree of Longitude"),
                    Focus::LonD);
    }
    if (numberBoxFails(e.lonM)) {
        return stop(QT_TRANSLATE_NOOP("InputChecks", "Please Enter Minute of Longitude"),
                    Focus::LonM);
    }
    if (numberBoxFails(e.latD)) {
        return stop(QT_TRANSLATE_NOOP("InputChecks", "Please Enter Degree of Latitude"),
                    Focus::LatD);
    }
    if (numberBoxFails(e.latM)) {
        return stop(QT_TRANSLATE_NOOP("InputChecks", "Please Enter Minute of Latitude"),
                    Focus::LatM);
    }
    // A list left without a selection (a saved reading can leave the month so) gives no date.
    if (e.monthPosition < 0 || e.monthPosition > 11 || !e.day || !e.year || !e.hour || !e.minute) {
        return wrongDate(QT_TRANSLATE_NOOP("InputChecks", "Please Enter Correct Date Or Month!"));
    }
    const int dayPosition = *e.day - 1;
    if (e.monthPosition == FebruaryPosition &&
        (isLeapYear(*e.year) ? dayPosition >= 29 : dayPosition >= 28)) {
        return wrongDate(QT_TRANSLATE_NOOP("InputChecks", "Please Enter Correct Date Or Month!"));
    }
    if (hasThirtyDays(e.monthPosition) && dayPosition == 30) {
        return wrongDate(QT_TRANSLATE_NOOP("InputChecks", "Please Enter Correct Date Or Month !"));
    }
    return std::nullopt;
}

void FillReading(const FormEntries& e, ReadingInput& reading) {
    const auto setNumber = [](std::int16_t& field, std::optional<int> value) {
        if (value && *value >= INT16_MIN && *value <= INT16_MAX) {
            field = static_cast<std::int16_t>(*value);
        }
    };
    const auto setFromBox = [](std::int16_t& field, std::optional<std::int16_t> value) {
        if (value) {
            field = *value;
        }
    };
    reading.name = NumberText::TrimSpaces(e.name).toStdString();
    if (e.monthPosition >= 0 && e.monthPosition <= 11) {
        reading.month = static_cast<std::int16_t>(e.monthPosition + 1);
    }
    setNumber(reading.day, e.day);
    setNumber(reading.year, e.year);
    setFromBox(reading.zoneHours, NumberText::ToZoneMagnitude(e.zoneHour));
    setFromBox(reading.zoneMinutes, NumberText::ToZoneMagnitude(e.zoneMinute));
    setNumber(reading.hour, e.hour);
    setNumber(reading.minute, e.minute);
    setFromBox(reading.longitudeDegrees, NumberText::ToInt16(e.lonD));
    setFromBox(reading.longitudeMinutes, NumberText::ToInt16(e.lonM));
    setFromBox(reading.latitudeDegrees, NumberText::ToInt16(e.latD));
    setFromBox(reading.latitudeMinutes, NumberText::ToInt16(e.latM));
    reading.daylightSaving = e.daylightSaving;
    reading.longitudeOption = e.east;
    reading.latitudeOption = e.south;
    reading.zoneDirection = NumberText::ZoneDirectionOf(e.zoneHour, e.zoneMinute);
}

} // namespace InputChecks

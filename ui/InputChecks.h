#pragma once

#include "engine/ReadingInput.h"
#include "platform/MessageBox.h"

#include <QString>

#include <optional>

// The input checks of the main window and the filling of a reading from its entries, as
// plain functions over what the controls hold.
namespace InputChecks {

// The box that takes the focus after a failed check.
enum class Focus { Unchanged, Name, ZoneHour, ZoneMinute, LonD, LonM, LatD, LatM };

// What the input panel holds. A list with no entry selected has position -1 and no number.
struct FormEntries {
    QString name;
    int monthPosition = 0;     // 0 = January
    std::optional<int> day;    // number of the selected entry
    std::optional<int> year;   // number of the selected entry
    std::optional<int> hour;   // number of the selected entry
    std::optional<int> minute; // number of the selected entry
    QString zoneHour;
    QString zoneMinute;
    QString lonD;
    QString lonM;
    QString latD;
    QString latM;
    bool daylightSaving = false;
    bool east = true;   // "East" selected (otherwise "West")
    bool south = false; // "South" selected (otherwise "North")
};

struct Failure {
    QString message;
    platform::MessageIcon icon;
    Focus focus;
};

// The checks in order: name, time zone, longitude degrees and minutes, latitude degrees and
// minutes, February, thirty-day months. Returns the first that fails, or nothing.
// A number box passes when it holds a number that fits 16 bits; an empty zone box counts
// as 0, but one of the two must be filled. A year is a leap year when divisible by 4.
std::optional<Failure> FirstFailingCheck(const FormEntries& entries);

// Writes the reading's fields from the entries, in the order name, month, day, year, zone
// hours and minutes, hour, minute, longitude, latitude, daylight saving, hemispheres, zone
// direction. A field whose value cannot be formed is left as it was; entries that pass the
// checks form all. The zone direction is written on every call, so none carries over.
void FillReading(const FormEntries& entries, ReadingInput& reading);

} // namespace InputChecks

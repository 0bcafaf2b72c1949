#pragma once

#include "engine/ReadingInput.h"

#include <QString>

class QLocale;

// The moment a reading was read for, as the result panel states it under the date line.
namespace ReadingMoment {

// The moment line of a reading, worded from the engine's own time values.
// Given: a reading, and the locale whose month names the date line uses.
// Returns: "<local> local time, <offset> ahead of universal time: <universal> UT", with
// "behind" for a clock behind universal time, " (daylight saving included)" after "universal
// time" when daylight saving is ticked, and ", <date>" in the date line's form after "UT"
// whenever the universal-time date is not the local date. Clock times are "HH:MM" on the
// 24-hour clock; the offset is the net one, daylight saving included, as hours and minutes
// ("1:00", "99:30"). A clock that keeps universal time reads "the same as universal time".
// Example: "21:00 local time, 4:00 behind universal time (daylight saving included): 01:00
// UT, July 5, 2015".
QString MomentLine(const ReadingInput& reading, const QLocale& locale);

} // namespace ReadingMoment

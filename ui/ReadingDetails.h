#pragma once

#include "engine/NakshatraChange.h"
#include "engine/ReadingInput.h"

#include <QString>

#include <optional>

class QLocale;

// The details under a verdict: where the Moon stands in its nakshatra, the nearest minute at
// which the reading changes, and a caution when that minute is close. Plain texts, so that the
// result panel, the copied summary and the printed report say the same.
namespace ReadingDetails {

// A nearest change this many minutes away or less earns the caution.
inline constexpr int CautionMinutes = 10;

// "Moon at 186°28′ sidereal: Chitra, quarter 4."
QString PositionLine(const modEphemeris::MoonPosition& position);

// The nearest change, named by its local minute, its nakshatra and group and the group's few
// words: "From 12:23 local time the Moon is in Swati, Group Three (Sulochan): search to the
// north; may not be found." for a later change, "Until 11:40 local time the Moon was in …" for
// an earlier one. A minute on another day than the reading's adds "on <date>".
QString ChangeLine(const modEphemeris::NakshatraChange& change, const ReadingInput& entered,
                   const QLocale& locale);

// The local clock as the details write it: hour without a leading zero, two-digit minute.
QString ClockText(int hour, int minute);

// The three detail texts of a reading; change and caution are empty when they do not apply,
// and all three when the reading falls outside the 27 nakshatras.
struct Details {
    QString position;
    QString change;
    QString caution;
};
Details DetailsOf(const ReadingInput& reading, const QLocale& locale);

} // namespace ReadingDetails

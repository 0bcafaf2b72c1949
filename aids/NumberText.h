#pragma once

#include "engine/ReadingInput.h"

#include <QString>

#include <cstdint>
#include <optional>

// Reading numbers as the program's inputs take them: the main window's number boxes and
// the number lines of a saved reading.
namespace NumberText {

// The text without leading and trailing space characters (other white space stays).
QString TrimSpaces(const QString& text);

// The decimal number in a text, trimmed of spaces: exactly an optional "-", one or more ASCII
// digits, and optionally "." followed by one or more ASCII digits. Nothing for any other text.
std::optional<double> ToDecimal(const QString& text);

// The number in a box's text as a 16-bit value.
//
// Given: any text. The text, trimmed of spaces, must be exactly an optional "-", one or
// more ASCII digits, and optionally "." followed by one or more ASCII digits. No "+", no
// exponent, no separators, no other scripts' digits, no "nan" or "inf".
// Returns: the number rounded to a whole number with halves to the even neighbour, or
// nothing when the text is no such number or the rounded value lies outside -32768..32767.
std::optional<std::int16_t> ToInt16(const QString& text);

// A time-zone box: the magnitude of its number. A box that is empty after trimming counts
// as 0. Nothing when the text is no number or its magnitude does not fit 16 bits (so
// -32768 fails).
std::optional<std::int16_t> ToZoneMagnitude(const QString& text);

// The direction the two zone boxes give the zone.
// Given: the texts of the hour and the minute box.
// Returns: Ahead when the hour value, as the number reader reads it, is below 0, or is 0
// while the minute value is below 0; None otherwise. An empty box counts as 0, and so does
// one that gives no number (the checks refuse it before any reading).
ZoneDirection ZoneDirectionOf(const QString& zoneHour, const QString& zoneMinute);

} // namespace NumberText

#pragma once

#include <QString>

#include <array>
#include <optional>

// Reading a saved reading: fifteen scrambled lines, one field value each.
namespace SavedReading {

inline constexpr int LineCount = 15;
using Lines = std::array<QString, LineCount>;

// Lines 0 to 14 of the file, each already unscrambled. A line the file does not reach, or
// a file that cannot be read at all, gives an empty slot. Never throws, never hangs.
Lines ReadSavedReading(const QString& path);

// Month line: the list position that the value selects (the value minus 1, rounded half to
// even), or nothing when the value is no number.
std::optional<int> MonthPosition(const QString& value);

} // namespace SavedReading

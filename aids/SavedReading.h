#pragma once

#include <QString>

#include <array>
#include <optional>

class QIODevice;

// Reading a saved reading: fifteen scrambled lines, one field value each.
namespace SavedReading {

inline constexpr int LineCount = 15;
using Lines = std::array<QString, LineCount>;

// No saved reading comes near this size; the reader looks no further into a file, so a
// huge or endless file costs no more than this much reading.
inline constexpr qint64 ReadLimit = 1024 * 1024;

// Lines 0 to 14 of the file, each already unscrambled. A line ends at CR, and a LF right
// after the CR belongs to the line end; a lone LF stays in the line (and unscrambles to
// nothing). A line the file does not reach within its first ReadLimit bytes, or a file that
// cannot be read at all (missing, a folder, a FIFO, a device), gives an empty slot. A line
// of 32,767 characters or more gives an empty slot too, and no more of it than that is kept.
// Never throws, never blocks; the file is closed before it returns.
Lines ReadSavedReading(const QString& path);

// The same from a device already open for reading. Reads at most ReadLimit bytes of it,
// and one more to tell whether the limit cut the last line short.
Lines ReadSavedReading(QIODevice& device);

// Month line: the list position that the value selects (the value minus 1, rounded half to
// even), or nothing when the value is no number. The value is a decimal number: an optional
// leading '-', digits, optionally '.' and more digits, with spaces around it.
std::optional<int> MonthPosition(const QString& value);

} // namespace SavedReading

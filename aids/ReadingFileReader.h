#pragma once

#include "ReadingFile.h"

#include <QByteArray>
#include <QString>

#include <variant>

namespace ReadingFile {

// What is wrong with a file that is no reading, as the end of the sentence "This reading
// cannot be opened: …", e.g. "the field \"time.hour\" is not a number".
struct Unreadable {
    QString what;
};
// A reading saved by a later version of the format.
struct Newer {};

using Decoded = std::variant<Record, Unreadable, Newer>;

// The reading in the bytes of a file.
//
// Given: any bytes. They must be UTF-8 JSON holding one object whose "format" is FormatName
// and whose "version" is a whole number; a version above Version gives Newer. Every field
// of the format must be there with its type: texts, true or false, and the lists' numbers,
// which must be whole and within their lists (month 0 to 12, year FirstYear to LastYear,
// day 1 to 31, hour 0 to 23, minute and second 0 to 59; null for no entry, but for the
// month). Unknown fields are passed over.
// Returns: the record, or the first fault found. Never throws.
Decoded Decode(const QByteArray& bytes);

// The reading in a file.
//
// Given: a path. Only a regular file is read, never a folder, a FIFO or a device, and
// none of more than SavedReading::ReadLimit bytes; opening one never blocks.
// Returns: the record, or the message that names the file and what is wrong with it, for
// example "<path>\nThis reading cannot be opened: the field \"time.hour\" is not a number."
// Never throws; the file is closed before it returns.
std::variant<Record, QString> ReadReadingFile(const QString& path);

} // namespace ReadingFile

#pragma once

#include "ReadingFile.h"

#include <QByteArray>
#include <QString>

namespace ReadingFile {

// The file's bytes: the record as indented UTF-8 JSON with LF line ends. Every record
// encodes; Decode (ReadingFileReader.h) of these bytes gives the same record back.
QByteArray Encode(const Record& record);

// Writes the record to `path` whole or not at all: a full disk or a read-only folder leaves
// any earlier file as it was. Returns the empty text on success, else the system's reason.
QString WriteReadingFile(const QString& path, const Record& record);

} // namespace ReadingFile

#pragma once

#include "SavedReading.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Writing a saved reading: the exact inverse of the reader in SavedReading.h.
namespace SavedReading {

// One reading as the input panel shows it. The hemispheres are the panel's choices; the file
// turns the south flag round, since its line says "1" for North.
struct Record {
    QString name;
    int monthPosition = -1; // 0 = January; -1 when no month is selected
    QString day;            // the day, year, hour and minute as their lists show them,
    QString year;           // plain decimal numbers, or empty with nothing selected
    QString hour;
    QString minute;
    QString longitudeDegrees; // the place and zone boxes' texts as typed, signs included
    QString longitudeMinutes;
    QString latitudeDegrees;
    QString latitudeMinutes;
    QString zoneHours;
    QString zoneMinutes;
    bool east = true;
    bool south = false;
    bool daylightSaving = false;
};

// The fifteen lines of a record, in the reader's order: month "0" when none is selected,
// "1" for East, for North and for daylight saving, "0" otherwise.
Lines ToLines(const Record& record);

// What one line cannot keep. Given a line, `characters` are the distinct characters the format
// cannot store, in the order they first appear: those without a Windows-1252 code and those
// whose code is above 170 (their scrambled code would pass 255). `beyondLimit` is the count of
// characters past the scrambler's limit once those are left out; the reader would drop such a
// line whole, so the writer keeps its first Scrambler::LongestText characters.
struct LineLoss {
    int line = 0;
    QString characters;
    qsizetype beyondLimit = 0;
};

// The losses of every line that has any, in line order; empty when the lines store whole.
std::vector<LineLoss> FindLosses(const Lines& lines);

// The lines as the file will hold them: unstorable characters left out, each line cut to the
// scrambler's limit. Lines without losses are returned unchanged.
Lines Storable(const Lines& lines);

// The file's bytes: each line scrambled, every character written as its code page byte,
// each line ended by CR LF. Given storable lines, ReadSavedReading of these bytes gives the
// same lines back.
QByteArray Encode(const Lines& lines);

// Writes the storable form of the lines to `path` through a temporary file that replaces
// the target only once it is complete: a full disk, a read-only folder or a crash never
// leaves a half-written file, and the previous file stays as it was. Returns the empty text
// on success, else the system's reason.
QString WriteSavedReading(const QString& path, const Lines& lines);

} // namespace SavedReading

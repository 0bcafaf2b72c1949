#pragma once

// The inputs of examples/sample-reading.nak and its twin sample-reading.vantrel: "Sample Reading",
// lost on 15 August 2010 at 10:30, zone 5 h 30 min, no daylight saving, longitude 77°13' East,
// latitude 28°37' North.
#include "aids/ReadingFile.h"
#include "aids/SavedReadingWriter.h"

namespace sample {

inline SavedReading::Record SampleReading() {
    SavedReading::Record r;
    r.name = QStringLiteral("Sample Reading");
    r.monthPosition = 7; // August
    r.day = QStringLiteral("15");
    r.year = QStringLiteral("2010");
    r.hour = QStringLiteral("10");
    r.minute = QStringLiteral("30");
    r.longitudeDegrees = QStringLiteral("77");
    r.longitudeMinutes = QStringLiteral("13");
    r.latitudeDegrees = QStringLiteral("28");
    r.latitudeMinutes = QStringLiteral("37");
    r.zoneHours = QStringLiteral("5");
    r.zoneMinutes = QStringLiteral("30");
    r.east = true;
    r.south = false;
    r.daylightSaving = false;
    return r;
}

// The same reading as a reading file (examples/sample-reading.vantrel): second 0, no place.
inline ReadingFile::Record SampleReadingFile() {
    const SavedReading::Record c = SampleReading();
    ReadingFile::Record r;
    r.name = c.name;
    r.month = c.monthPosition + 1;
    r.year = c.year.toInt();
    r.day = c.day.toInt();
    r.hour = c.hour.toInt();
    r.minute = c.minute.toInt();
    r.second = 0;
    r.zoneHours = c.zoneHours;
    r.zoneMinutes = c.zoneMinutes;
    r.daylightSaving = c.daylightSaving;
    r.longitudeDegrees = c.longitudeDegrees;
    r.longitudeMinutes = c.longitudeMinutes;
    r.east = c.east;
    r.latitudeDegrees = c.latitudeDegrees;
    r.latitudeMinutes = c.latitudeMinutes;
    r.north = !c.south;
    return r;
}

} // namespace sample

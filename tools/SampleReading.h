#pragma once

// The inputs of examples/sample-reading.nak: "Sample Reading", lost on 15 August 2010 at
// 10:30, zone 5 h 30 min, no daylight saving, longitude 77°13' East, latitude 28°37' North.
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

} // namespace sample

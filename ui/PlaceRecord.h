#pragma once

#include "engine/ReadingInput.h"

#include <QByteArray>
#include <QString>

// The place one reading was read for, captured when it is calculated: the names the place
// boxes held, the coordinates the reading took, and the place chosen in the place finder
// when one was. The report's place line, coordinates and zone check all come from it.
struct PlaceRecord {
    QString city, state, country;
    int longitudeDegrees = 0, longitudeMinutes = 0;
    bool east = false; // "East" selected
    int latitudeDegrees = 0, latitudeMinutes = 0;
    bool south = false; // "South" selected
    // The place chosen in the finder, as its name went into City, and its IANA zone id;
    // both empty when no place was chosen.
    QString chosenName;
    QByteArray zoneId;
};

// The record of a reading's coordinates with the names given; no place chosen.
inline PlaceRecord PlaceRecordOf(const ReadingInput& reading, const QString& city,
                                 const QString& state, const QString& country) {
    return {city,
            state,
            country,
            reading.longitudeDegrees,
            reading.longitudeMinutes,
            reading.longitudeOption,
            reading.latitudeDegrees,
            reading.latitudeMinutes,
            reading.latitudeOption,
            {},
            {}};
}

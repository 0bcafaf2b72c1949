#pragma once

#include "PlaceRecord.h"

#include "engine/ReadingInput.h"

#include <QString>

#include <optional>

// The zone as people write it, and the check of a zone read against a chosen place's clock.
namespace ZoneCheck {

// Given: an offset in minutes, ahead of universal time positive.
// Returns: "UTC+1:00", "UTC−5:00" (U+2212 MINUS SIGN), "UTC+5:45"; "UTC+0:00" for none.
QString UtcText(int minutesAhead);

// Given: the texts of the zone boxes, the DST box, and the longitude in minutes of arc
// (east positive) that decides the direction of a zone typed without a minus sign.
// Returns: the zone a reading takes from them, as UtcText writes it, through the engine's
// own time base; empty when both boxes are empty or either fails its check.
QString UtcLabel(const QString& zoneHour, const QString& zoneMinute, bool daylightSaving,
                 int longitudeMinutes);

// Minutes ahead of universal time that the engine reads for a reading, DST included.
int MinutesRead(const ReadingInput& reading);

// Given: a reading and the place it was read for.
// Returns: "The zone read, UTC−1:00, is not the clock of Madrid on that day: UTC+1:00
// (Europe/Madrid)." when a place was chosen, its zone is known here, the date is a real one
// and the place's clock at the local moment differs from the zone read; empty otherwise.
QString ZoneWarning(const ReadingInput& reading, const PlaceRecord& place);

} // namespace ZoneCheck

#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <QTimeZone>

#include <optional>

// From a place's time zone and the local moment of a loss to what the zone boxes and the
// daylight-saving box must hold for the reading to read that moment.
namespace ZoneResolver {

// The offset in force at a local moment, in seconds, ahead of universal time positive.
struct LocalOffset {
    int total;    // offset from universal time
    int daylight; // the part of it that is daylight saving; 0 or below when none
};

// Given: a valid zone and a local date and clock time.
// Returns: the offset in force then. In the spring gap (a clock time that never happened)
// and in the autumn repeat (one that happened twice) it is the offset in force just before
// the change. Nothing for an invalid zone or date.
std::optional<LocalOffset> OffsetAt(const QTimeZone& zone, QDate date, QTime time);

// The zone boxes and the DST box, written as the time-zone picker writes them: hours and
// minutes west of Greenwich, a minus sign for a zone ahead of universal time.
struct ZoneEntry {
    QString hour;
    QString minute;
    bool daylightSaving = false;
};

// Given: the offset in force (as OffsetAt gives it) and the longitude of the place in
// minutes of arc, east positive.
// Returns: the entry that gives exactly that offset through the engine's rules, or nothing
// when no entry does. Seconds round to the nearest minute. DST is ticked only when the
// daylight part is above 0, and then the boxes hold the offset less one hour; when that
// pair does not read back as the offset, the other DST choice is tried. No entry can give
// a zone behind universal time at a place east of Greenwich.
std::optional<ZoneEntry> EntryFor(const LocalOffset& offset, int longitudeMinutes);

// Minutes ahead of universal time that the reading engine reads from an entry at a
// longitude (minutes of arc, east positive). Nothing when a box holds no number.
std::optional<int> EngineOffsetMinutes(const ZoneEntry& entry, int longitudeMinutes);

} // namespace ZoneResolver

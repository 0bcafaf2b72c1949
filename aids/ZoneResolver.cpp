#include "ZoneResolver.h"

#include "NumberText.h"

#include "engine/modEphemeris.h"

#include <QDateTime>

#include <cmath>
#include <cstdlib>

namespace ZoneResolver {

namespace {

constexpr int SecondsPerMinute = 60;
constexpr int MinutesPerHour = 60;
// No zone's offset changes twice within this many days; the search for the changes
// around a moment looks this far either way.
constexpr int SearchDays = 2;

} // namespace

std::optional<LocalOffset> OffsetAt(const QTimeZone& zone, QDate date, QTime time) {
    if (!zone.isValid() || !date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    // The local clock reading as if it were universal time: a moment u of the zone shows it
    // when u + offset(u) equals it.
    const QDateTime clock(date, time, Qt::UTC);
    const QDateTime from = clock.addDays(-SearchDays);
    const QDateTime to = clock.addDays(SearchDays);

    // Spans of one offset each, from `from` to `to`; each shows a range of clock readings.
    struct Span {
        qint64 start; // seconds since the epoch, universal time
        QTimeZone::OffsetData data;
    };
    std::vector<Span> spans{{from.toSecsSinceEpoch(), zone.offsetData(from)}};
    for (const QTimeZone::OffsetData& change : zone.transitions(from, to)) {
        spans.push_back({change.atUtc.toSecsSinceEpoch(), change});
    }
    const qint64 wanted = clock.toSecsSinceEpoch();
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const qint64 end = i + 1 < spans.size() ? spans[i + 1].start : to.toSecsSinceEpoch();
        const int offset = spans[i].data.offsetFromUtc;
        // The earliest span showing the reading is the one in force before an autumn change;
        // a reading shown by none lies in a spring gap, after the span that ends below it.
        const bool shows = wanted >= spans[i].start + offset && wanted < end + offset;
        const bool gapAfter = i + 1 < spans.size() && wanted >= end + offset &&
                              wanted < end + spans[i + 1].data.offsetFromUtc;
        if (shows || gapAfter) {
            return LocalOffset{offset, spans[i].data.daylightTimeOffset};
        }
    }
    return std::nullopt;
}

std::optional<int> EngineOffsetMinutes(const ZoneEntry& entry, int longitudeMinutes) {
    const std::optional<std::int16_t> hours = NumberText::ToZoneMagnitude(entry.hour);
    const std::optional<std::int16_t> minutes = NumberText::ToZoneMagnitude(entry.minute);
    if (!hours || !minutes) {
        return std::nullopt;
    }
    ReadingInput input;
    input.month = 1;
    input.day = 1;
    input.year = 2000;
    input.hour = 12;
    input.zoneHours = *hours;
    input.zoneMinutes = *minutes;
    input.longitudeDegrees = static_cast<std::int16_t>(std::abs(longitudeMinutes) / MinutesPerHour);
    input.longitudeMinutes = static_cast<std::int16_t>(std::abs(longitudeMinutes) % MinutesPerHour);
    input.longitudeOption = longitudeMinutes > 0;
    input.daylightSaving = entry.daylightSaving;
    // A minus sign sets the direction as it does for a reading; otherwise the hemisphere does.
    input.zoneDirection = NumberText::ZoneDirectionOf(entry.hour, entry.minute);
    const modEphemeris::TimeBase time = modEphemeris::ComputeTimeBase(input);
    return static_cast<int>(std::lround((time.localHours - time.universalHours) * MinutesPerHour));
}

std::optional<ZoneEntry> EntryFor(const LocalOffset& offset, int longitudeMinutes) {
    const int total = static_cast<int>(std::lround(double(offset.total) / SecondsPerMinute));
    const bool daylight = offset.daylight > 0;
    for (const bool tick : {daylight, !daylight}) {
        const int zone = total - (tick ? MinutesPerHour : 0);
        // The picker's form: west positive, the minutes carrying the hour's sign.
        ZoneEntry entry{QString::number(-(zone / MinutesPerHour)),
                        QString::number(-(zone % MinutesPerHour)), tick};
        if (EngineOffsetMinutes(entry, longitudeMinutes) == total) {
            return entry;
        }
    }
    return std::nullopt;
}

} // namespace ZoneResolver

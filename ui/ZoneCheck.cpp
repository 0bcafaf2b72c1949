#include "ZoneCheck.h"

#include "aids/NumberText.h"
#include "aids/ZoneResolver.h"
#include "engine/modEphemeris.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <cmath>
#include <cstdlib>

namespace ZoneCheck {

namespace {

constexpr int MinutesPerHour = 60;
constexpr int SecondsPerMinute = 60;
const QChar MinusSign(0x2212);

} // namespace

QString UtcText(int minutesAhead) {
    const int magnitude = std::abs(minutesAhead);
    return QStringLiteral("UTC") + (minutesAhead < 0 ? QString(MinusSign) : QStringLiteral("+")) +
           QStringLiteral("%1:%2")
               .arg(magnitude / MinutesPerHour)
               .arg(magnitude % MinutesPerHour, 2, 10, QLatin1Char('0'));
}

QString UtcLabel(const QString& zoneHour, const QString& zoneMinute, bool daylightSaving,
                 int longitudeMinutes) {
    if (NumberText::TrimSpaces(zoneHour).isEmpty() &&
        NumberText::TrimSpaces(zoneMinute).isEmpty()) {
        return {};
    }
    const std::optional<int> minutes =
        ZoneResolver::EngineOffsetMinutes({zoneHour, zoneMinute, daylightSaving}, longitudeMinutes);
    return minutes ? UtcText(*minutes) : QString();
}

int MinutesRead(const ReadingInput& reading) {
    const modEphemeris::TimeBase time = modEphemeris::ComputeTimeBase(reading);
    return static_cast<int>(std::lround((time.localHours - time.universalHours) * MinutesPerHour));
}

QString ZoneWarning(const ReadingInput& reading, const PlaceRecord& place) {
    if (place.zoneId.isEmpty()) {
        return {};
    }
    const QTimeZone zone(place.zoneId);
    const std::optional<ZoneResolver::LocalOffset> clock = ZoneResolver::OffsetAt(
        zone, QDate(reading.year, reading.month, reading.day), QTime(reading.hour, reading.minute));
    if (!clock) {
        return {};
    }
    const int clockMinutes =
        static_cast<int>(std::lround(static_cast<double>(clock->total) / SecondsPerMinute));
    const int read = MinutesRead(reading);
    if (clockMinutes == read) {
        return {};
    }
    return QCoreApplication::translate(
               "ZoneCheck", "The zone read, %1, is not the clock of %2 on that day: %3 (%4).")
        .arg(UtcText(read), place.chosenName, UtcText(clockMinutes),
             QString::fromLatin1(place.zoneId));
}

} // namespace ZoneCheck

#include "MomentLine.h"

#include "modNakshatraInformation.h"

#include "engine/modEphemeris.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <cstdint>

namespace ReadingMoment {

namespace {

constexpr std::int64_t MinutesPerHour = 60;
constexpr std::int64_t MinutesPerDay = 24 * MinutesPerHour;

// Which day, counted from the day the minutes count from, `minutes` falls on (exact: the
// minutes of a reading stay far below 2^53).
std::int64_t dayOf(std::int64_t minutes) {
    return static_cast<std::int64_t>(
        std::floor(static_cast<double>(minutes) / static_cast<double>(MinutesPerDay)));
}

QString twoDigits(std::int64_t value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// "HH:MM" of the clock at `minutes` past the start of some day.
QString clockTime(std::int64_t minutes) {
    const std::int64_t ofDay = minutes - MinutesPerDay * dayOf(minutes);
    return twoDigits(ofDay / MinutesPerHour) + QLatin1Char(':') + twoDigits(ofDay % MinutesPerHour);
}

// "H:MM" of a span of minutes, 0 or more.
QString span(std::int64_t minutes) {
    return QString::number(minutes / MinutesPerHour) + QLatin1Char(':') +
           twoDigits(minutes % MinutesPerHour);
}

} // namespace

QString MomentLine(const ReadingInput& reading, const QLocale& locale) {
    const modEphemeris::TimeBase time = modEphemeris::ComputeTimeBase(reading);
    // Every input is whole minutes, so the hours are whole minutes up to rounding.
    const auto localMinutes = static_cast<std::int64_t>(std::llround(time.localHours * 60));
    const auto universalMinutes = static_cast<std::int64_t>(std::llround(time.universalHours * 60));
    const std::int64_t ahead = localMinutes - universalMinutes;

    QString offset;
    if (ahead > 0) {
        offset = QCoreApplication::translate("ReadingMoment", "%1 ahead of universal time")
                     .arg(span(ahead));
    } else if (ahead < 0) {
        offset = QCoreApplication::translate("ReadingMoment", "%1 behind universal time")
                     .arg(span(-ahead));
    } else {
        offset = QCoreApplication::translate("ReadingMoment", "the same as universal time");
    }
    if (reading.daylightSaving) {
        offset = QCoreApplication::translate("ReadingMoment", "%1 (daylight saving included)")
                     .arg(offset);
    }
    // Both clocks count from the start of the local date's day.
    const auto dayNumber = static_cast<std::int64_t>(time.julianDay);
    const std::int64_t localDay = dayNumber + dayOf(localMinutes);
    const std::int64_t universalDay = dayNumber + dayOf(universalMinutes);
    std::optional<QString> universalDate;
    if (universalDay != localDay) {
        const modEphemeris::CivilDate date = modEphemeris::CivilDateOf(universalDay);
        universalDate = modNakshatraInformation::DateLine(date.month, date.day, date.year, locale);
    }
    if (universalDate) {
        return QCoreApplication::translate("ReadingMoment", "%1 local time, %2: %3 UT, %4")
            .arg(clockTime(localMinutes), offset, clockTime(universalMinutes), *universalDate);
    }
    return QCoreApplication::translate("ReadingMoment", "%1 local time, %2: %3 UT")
        .arg(clockTime(localMinutes), offset, clockTime(universalMinutes));
}

} // namespace ReadingMoment

#include "ReadingDetails.h"

#include "NakshatraTables.h"
#include "modNakshatraInformation.h"

#include "engine/modEphemeris.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include <cmath>
#include <cstdlib>

namespace ReadingDetails {

using modNakshatraInformation::toQString;

namespace {

constexpr int MinutesPerHour = 60;

const char* const CautionText = QT_TRANSLATE_NOOP(
    "ReadingDetails",
    "Close to a boundary: a few minutes' difference in the time of loss gives the other reading.");
const char* const NoChangeText = QT_TRANSLATE_NOOP(
    "ReadingDetails", "The Moon stays in this nakshatra from two hours before to two hours after.");

QString translated(const char* text) {
    return QCoreApplication::translate("ReadingDetails", text);
}

// The civil date `days` after the reading's date (days past a month's end run on).
QDate dateAfter(const ReadingInput& reading, int days) {
    return QDate(reading.year, reading.month, 1).addDays(reading.day - 1 + days);
}

QString dateText(const QDate& date, const QLocale& locale) {
    return modNakshatraInformation::DateLine(date.month(), date.day(), date.year(), locale)
        .value_or(QString());
}

} // namespace

QString ClockText(int hour, int minute) {
    return QString::number(hour) + QLatin1Char(':') +
           QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0'));
}

QString PositionLine(const modEphemeris::MoonPosition& position) {
    return QCoreApplication::translate("ReadingDetails", "Moon at %1°%2′ sidereal: %3, quarter %4.")
        .arg(position.arcminutes / MinutesPerHour)
        .arg(position.arcminutes % MinutesPerHour, 2, 10, QLatin1Char('0'))
        .arg(modNakshatraInformation::Shown(
            modEphemeris::NakshatraNames[static_cast<std::size_t>(position.index)]))
        .arg(position.quarter);
}

QString ChangeLine(const modEphemeris::NakshatraChange& change, const ReadingInput& entered,
                   const QLocale& locale) {
    const auto& row =
        modNakshatraInformation::NakshatraGroupTable[static_cast<std::size_t>(change.otherIndex)];
    QString fewWords;
    for (const auto& verdict : modNakshatraInformation::GroupVerdictTable) {
        if (verdict.group == row.group) {
            fewWords = modNakshatraInformation::Shown(verdict.fewWords);
        }
    }
    const ReadingInput& at = change.reading;
    const QString clock = ClockText(at.hour, at.minute);
    const QString when =
        at.day == entered.day
            ? QCoreApplication::translate("ReadingDetails", "%1 local time").arg(clock)
            : QCoreApplication::translate("ReadingDetails", "%1 local time on %2")
                  .arg(clock, dateText(dateAfter(entered, at.day - entered.day), locale));
    const QString text =
        change.minutes > 0
            ? QCoreApplication::translate("ReadingDetails", "From %1 the Moon is in %2, %3: %4.")
            : QCoreApplication::translate("ReadingDetails", "Until %1 the Moon was in %2, %3: %4.");
    return text.arg(when, modNakshatraInformation::Shown(row.name),
                    modNakshatraInformation::Shown(row.group), fewWords);
}

Details DetailsOf(const ReadingInput& reading, const QLocale& locale) {
    const std::optional<modEphemeris::MoonPosition> position =
        modEphemeris::PositionOf(modEphemeris::ReadingSiderealLongitude(reading));
    if (!position) {
        return {};
    }
    Details details;
    details.position = PositionLine(*position);
    const std::optional<modEphemeris::NakshatraChange> change =
        modEphemeris::NearestChange(reading);
    if (!change) {
        details.change = translated(NoChangeText);
        return details;
    }
    details.change = ChangeLine(*change, reading, locale);
    if (std::abs(change->minutes) <= CautionMinutes) {
        details.caution = translated(CautionText);
    }
    return details;
}

} // namespace ReadingDetails

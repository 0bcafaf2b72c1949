#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace NumberText {

namespace {

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// True when the text is "-"? digits ("." digits)?.
bool isPlainDecimal(const QString& text) {
    qsizetype i = 0;
    if (i < text.size() && text.at(i) == QLatin1Char('-')) {
        ++i;
    }
    const qsizetype integerStart = i;
    while (i < text.size() && isAsciiDigit(text.at(i))) {
        ++i;
    }
    if (i == integerStart) {
        return false;
    }
    if (i == text.size()) {
        return true;
    }
    if (text.at(i) != QLatin1Char('.')) {
        return false;
    }
    ++i;
    const qsizetype fractionStart = i;
    while (i < text.size() && isAsciiDigit(text.at(i))) {
        ++i;
    }
    return i > fractionStart && i == text.size();
}

} // namespace

QString TrimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' ')) {
        ++first;
    }
    while (last > first && text.at(last - 1) == QLatin1Char(' ')) {
        --last;
    }
    return text.mid(first, last - first);
}

std::optional<double> ToDecimal(const QString& text) {
    const QString trimmed = TrimSpaces(text);
    if (!isPlainDecimal(trimmed)) {
        return std::nullopt;
    }
    // Only ASCII is left, so the Latin-1 form is the text itself; from_chars ignores the
    // process locale, whose decimal point may not be ".".
    const std::string ascii = trimmed.toStdString();
    double value = 0;
    const auto [end, error] =
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), value, std::chars_format::fixed);
    if (error != std::errc{} || end != ascii.data() + ascii.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int16_t> ToInt16(const QString& text) {
    const std::optional<double> value = ToDecimal(text);
    if (!value) {
        return std::nullopt;
    }
    // The default rounding mode sends halves to the even neighbour.
    const double rounded = std::nearbyint(*value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> ToZoneMagnitude(const QString& text) {
    if (TrimSpaces(text).isEmpty()) {
        return std::int16_t{0};
    }
    const std::optional<std::int16_t> value = ToInt16(text);
    if (!value || *value == std::numeric_limits<std::int16_t>::min()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(*value < 0 ? -*value : *value);
}

ZoneDirection ZoneDirectionOf(const QString& zoneHour, const QString& zoneMinute) {
    const std::int16_t hour = ToInt16(zoneHour).value_or(0);
    const std::int16_t minute = ToInt16(zoneMinute).value_or(0);
    return hour < 0 || (hour == 0 && minute < 0) ? ZoneDirection::Ahead : ZoneDirection::None;
}

} // namespace NumberText

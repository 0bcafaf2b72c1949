#pragma once

#include "engine/ReadingInput.h"

#include <QPixmap>
#include <QString>

#include <array>
#include <optional>
#include <string_view>

class QLabel;
class QLocale;

// The oracle: from the nakshatra of a loss to the reading shown in the result panel.
namespace modNakshatraInformation {

// Where the oracle writes: the five output labels (0 name, 1 group, 2 characteristics,
// 3 search text, 4 date line), the picture box and the moment line under the date line.
struct ResultView {
    std::array<QLabel*, 5> lblResult{};
    QLabel* imgNakshatra = nullptr;
    QLabel* lblMoment = nullptr;
};

// A text of the nakshatra tables (a name, a group, a verdict) in the language in force.
QString Shown(std::string_view tableText);

// Finds the row whose English name equals the given name exactly (same case, no trimming) and
// writes, in the language in force, its name, group, the group's two texts, its picture, and the
// date line and moment line of the reading (the moment line also as the label's accessible
// description). A name that matches no row changes nothing. Each step stands alone: one that fails
// (a missing picture, a month outside 1 to 12) is passed over and the next still runs.
void ShowNakshatraInformation(const QString& name, const ResultView& view,
                              const ReadingInput& reading);
// The same, with the date taken from the program's reading record.
void ShowNakshatraInformation(const QString& name, const ResultView& view);

// "<month name> <day>, <year>" with the locale's standalone month name, for example
// "January 1, 1905" in English. Nothing when the month lies outside 1 to 12.
std::optional<QString> DateLine(int month, int day, int year, const QLocale& locale);

// A text of the nakshatra and verdict tables (UTF-8) as a QString.
QString toQString(std::string_view text);

// Image number `number` (1 to 27) of the picture list, in table order, with the name in the
// language in force, for a screen (or paper)
// of the given device pixel ratio: above 1 the picture drawn at twice the size, with ratio 2,
// so that it takes the same place sharply. A null pixmap for a number outside the list or a
// picture that did not load. Each size loads on first use.
QPixmap NakshatraImage(int number, qreal pixelRatio = 1);

} // namespace modNakshatraInformation

#pragma once

#include <QtGlobal>

#include <array>

// The captions of the result panel's five output labels, by the labels' index: 0 name,
// 1 group, 2 characteristics, 3 search text, 4 date line. The report uses them too.
namespace ResultTexts {

// English sources in the context "frmMain".
inline constexpr std::array<const char*, 5> Captions{
    QT_TRANSLATE_NOOP("frmMain", "Nakshatra for the day"),
    QT_TRANSLATE_NOOP("frmMain", "Nakshatra Group"),
    QT_TRANSLATE_NOOP("frmMain", "Characteristics"),
    QT_TRANSLATE_NOOP("frmMain", "Interpretation for Recovery of Lost Objects"),
    QT_TRANSLATE_NOOP("frmMain", "Date on which the Object was lost")};

} // namespace ResultTexts

#pragma once

#include <array>

// The captions of the result panel's five output labels, by the labels' index: 0 name,
// 1 group, 2 characteristics, 3 search text, 4 date line. The report uses them too.
namespace ResultTexts {

inline constexpr std::array<const char*, 5> Captions{
    "Nakshatra for the day", "Nakshatra Group", "Characteristics",
    "Interpretation for Recovery of Lost Objects", "Date on which the Object was lost"};

} // namespace ResultTexts

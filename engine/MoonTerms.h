#pragma once

#include <array>

// Periodic terms of the Moon's longitude: multiples of the mean elongation D, the Sun's mean
// anomaly M, the Moon's mean anomaly M′ and its argument of latitude F, the coefficient in
// degrees, and whether the term carries the eccentricity factor E.
namespace modEphemeris {

struct MoonLongitudeTerm {
    int d, m, mPrime, f;
    double coefficient;
    bool timesE;
};

inline constexpr std::array<MoonLongitudeTerm, 25> MoonLongitudeTerms{{
    {0, 0, 1, 0, +6.288774, false},  {2, 0, -1, 0, +1.274027, false},
    {2, 0, 0, 0, +0.658314, false},  {0, 0, 2, 0, +0.213618, false},
    {0, 1, 0, 0, -0.185116, true},   {0, 0, 0, 2, -0.114332, false},
    {2, 0, -2, 0, +0.058793, false}, {2, -1, -1, 0, +0.057066, true},
    {2, 0, 1, 0, +0.053322, false},  {2, -1, 0, 0, +0.045758, true},
    {0, 1, -1, 0, -0.040923, true},  {1, 0, 0, 0, -0.034720, false},
    {0, 1, 1, 0, -0.030383, true},   {2, 0, 0, -2, +0.015327, false},
    {0, 0, 1, 2, -0.012528, false},  {0, 0, 1, -2, +0.010980, false},
    {4, 0, -1, 0, +0.010675, false}, {0, 0, 3, 0, +0.010034, false},
    {4, 0, -2, 0, +0.008548, false}, {2, 1, -1, 0, -0.007888, true},
    {2, 1, 0, 0, -0.006766, true},   {1, 0, -1, 0, -0.005163, false},
    {1, 1, 0, 0, +0.004987, true},   {2, -1, 1, 0, +0.004036, true},
    {2, 0, 2, 0, +0.003994, false},
}};

} // namespace modEphemeris

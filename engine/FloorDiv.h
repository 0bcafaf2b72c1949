#pragma once

#include <cstdint>

namespace modEphemeris {

// Greatest whole number not above a / b, for b > 0 and a of either sign (the / operator
// rounds towards zero, which is wrong for negative day counts and months).
constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && (a < 0) ? 1 : 0);
}

} // namespace modEphemeris

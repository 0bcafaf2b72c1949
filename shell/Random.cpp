#include "Random.h"

#include <chrono>
#include <cstdint>
#include <random>

namespace Random {

namespace {
std::mt19937& generator() {
    static std::mt19937 engine;
    return engine;
}
} // namespace

void SeedFromClock() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    generator().seed(static_cast<std::mt19937::result_type>(static_cast<std::uint64_t>(ticks)));
}

float NextSingle() {
    constexpr float twoTo24 = 16777216.0F;
    const auto bits = generator()() >> 8U; // 24 bits: every value exact in a float
    return static_cast<float>(bits) / twoTo24;
}

} // namespace Random

// Cost of one whole reading against its floor: the 27 sines it cannot avoid.
#include "engine/MoonTerms.h"
#include "engine/modEphemeris.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr double DegreesToRadians = 0.0174532925199433;

// Varied readings over the years the window offers, both hemispheres, with and without
// daylight saving, zones with and without a minus sign.
std::vector<ReadingInput> variedReadings() {
    std::mt19937 random(1901);
    std::vector<ReadingInput> readings(1024);
    for (ReadingInput& in : readings) {
        in.month = static_cast<std::int16_t>(1 + random() % 12);
        in.day = static_cast<std::int16_t>(1 + random() % 28);
        in.year = static_cast<std::int16_t>(1901 + random() % 150);
        in.hour = static_cast<std::int16_t>(random() % 24);
        in.minute = static_cast<std::int16_t>(random() % 60);
        in.zoneHours = static_cast<std::int16_t>(random() % 13);
        in.zoneMinutes = static_cast<std::int16_t>(random() % 2 * 30);
        in.longitudeDegrees = static_cast<std::int16_t>(random() % 180);
        in.longitudeMinutes = static_cast<std::int16_t>(random() % 60);
        in.longitudeOption = random() % 2 == 0;
        in.daylightSaving = random() % 2 == 0;
        in.zoneDirection = random() % 2 == 0 ? ZoneDirection::Ahead : ZoneDirection::None;
    }
    return readings;
}

// The same 27 sine arguments each reading evaluates: 25 periodic terms of the Moon and the
// two of the nutation.
std::vector<std::array<double, 27>> sineArguments(const std::vector<ReadingInput>& readings) {
    std::vector<std::array<double, 27>> all;
    all.reserve(readings.size());
    for (const ReadingInput& in : readings) {
        const double t = modEphemeris::ComputeTimeBase(in).centuries;
        const double D = (297.8502042 + 445267.1115168 * t) * DegreesToRadians;
        const double M = (357.5291092 + 35999.0502909 * t) * DegreesToRadians;
        const double MPrime = (134.9634114 + 477198.8676313 * t) * DegreesToRadians;
        const double F = (93.2720993 + 483202.0175273 * t) * DegreesToRadians;
        std::array<double, 27> arguments{};
        std::size_t i = 0;
        for (const auto& term : modEphemeris::MoonLongitudeTerms) {
            arguments[i++] = term.d * D + term.m * M + term.mPrime * MPrime + term.f * F;
        }
        arguments[i++] = (125.044555 - 1934.1361849 * t + 0.0020762 * (t * t)) * DegreesToRadians;
        arguments[i] = (280.466449 + 36000.7698231 * t + 0.0003106 * (t * t)) * DegreesToRadians;
        all.push_back(arguments);
    }
    return all;
}

void WholeReading(benchmark::State& state) {
    const auto readings = variedReadings();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(modEphemeris::CalculateNakshatra(readings[i]));
        i = (i + 1) % readings.size();
    }
}
BENCHMARK(WholeReading);

void SinesOnly(benchmark::State& state) {
    const auto arguments = sineArguments(variedReadings());
    std::size_t i = 0;
    for (auto _ : state) {
        double sum = 0;
        for (double a : arguments[i]) {
            sum += std::sin(a);
        }
        benchmark::DoNotOptimize(sum);
        i = (i + 1) % arguments.size();
    }
}
BENCHMARK(SinesOnly);

} // namespace

BENCHMARK_MAIN();

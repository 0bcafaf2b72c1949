#pragma once

// The program's one random-number generator.
namespace Random {

// Seeds the generator from the system clock.
void SeedFromClock();
// A single-precision draw, uniform in [0, 1): 24 random bits, so 1 is never reached.
float NextSingle();

} // namespace Random

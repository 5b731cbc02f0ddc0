// The game's random source for the shuffle, reseeded from the clock at every shuffle.
#include "RandomSource.h"

#include <chrono>

namespace surabe {

void ClockSeededRandom::Reseed()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

float ClockSeededRandom::Next()
{
    // 24 random bits give every float in [0, 1) on a 2^-24 grid and never 1.
    return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
}

} // namespace surabe

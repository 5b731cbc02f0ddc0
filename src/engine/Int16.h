// The game's 16-bit signed arithmetic: sums and products saturate instead of wrapping.
#pragma once

#include <cstdint>
#include <limits>

namespace surabe {

using Int16 = std::int16_t;

// Settings are never bounded where the player types them, so a layout sum can leave the
// 16-bit range. Clamping keeps such a box far off the board instead of wrapping it to the
// opposite side of the window.
constexpr Int16 Saturate16(std::int64_t value)
{
    constexpr std::int64_t lowest = std::numeric_limits<Int16>::min();
    constexpr std::int64_t highest = std::numeric_limits<Int16>::max();
    return static_cast<Int16>(value < lowest ? lowest : value > highest ? highest : value);
}

constexpr Int16 Add16(Int16 a, Int16 b) { return Saturate16(std::int64_t{a} + b); }
constexpr Int16 Sub16(Int16 a, Int16 b) { return Saturate16(std::int64_t{a} - b); }
constexpr Int16 Mul16(Int16 a, Int16 b) { return Saturate16(std::int64_t{a} * b); }

// A fraction of a block (three quarters, one half) is taken in single precision and
// truncated towards zero before it is added.
constexpr Int16 FractionOf(Int16 value, float numerator, float denominator)
{
    return Saturate16(static_cast<std::int64_t>(static_cast<float>(value) * numerator / denominator));
}

} // namespace surabe

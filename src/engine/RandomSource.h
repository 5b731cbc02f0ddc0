// Uniform draws in [0, 1) for the shuffle, replaceable so that tests can feed chosen draws.
#pragma once

#include <cstdint>
#include <random>

namespace surabe {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed() = 0;
    virtual float Next() = 0; // 0 <= r < 1
};

// The game's own source: reseeded from the clock at every shuffle.
class ClockSeededRandom final : public RandomSource {
public:
    void Reseed() override;
    float Next() override;

private:
    std::mt19937 generator_;
};

} // namespace surabe

// The game's random source: uniform single-precision values in [0, 1).
#pragma once

#include <random>

namespace tarvelon {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // The next value, in [0, 1).
    virtual float next() = 0;
};

// The source every run of the game uses. It starts from the same fixed state and
// is never reseeded, so every run gives the same races. Values are made from the
// raw output of std::mt19937, which the standard fully specifies, rather than
// through a standard distribution, whose results differ between libraries.
class GameRandom final : public RandomSource {
public:
    // The top 24 bits of the generator's output scaled by 2^-24: exact in a float.
    float next() override { return static_cast<float>(engine_() >> 8) * 0x1p-24f; }

private:
    std::mt19937 engine_; // default seed 5489
};

} // namespace tarvelon

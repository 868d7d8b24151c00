#pragma once

#include <cstdint>

namespace kebo {

// A uniform generator on [0, 1) that is re-seeded from a clock reading. Distinct readings give
// distinct sequences, so the clock only has to be finer than the time between re-seeds.
//
// SplitMix64: the launcher re-seeds before nearly every draw, so seeding must cost nothing (a
// Mersenne Twister spends hundreds of steps on it), and its output function is a bijection, so
// two readings never give the same first draw.
class ClockSeededRandom {
public:
    void reseed(std::uint64_t clockReading) { state_ = clockReading; }

    // The top 53 bits as a fraction: exactly uniform and never 1.
    double next() { return static_cast<double>(nextBits() >> 11U) * 0x1.0p-53; }

private:
    std::uint64_t nextBits() {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31U);
    }

    std::uint64_t state_ = 0;
};

}  // namespace kebo

#pragma once

#include <cstdint>
#include <random>

namespace kebo {

// A uniform generator on [0, 1) that is re-seeded from a clock reading. Distinct readings give
// distinct sequences, so the clock only has to be finer than the time between re-seeds.
class ClockSeededRandom {
public:
    void reseed(std::uint64_t clockReading) {
        std::seed_seq seed{static_cast<std::uint32_t>(clockReading),
                           static_cast<std::uint32_t>(clockReading >> 32U)};
        engine_.seed(seed);
    }

    // The top 53 bits as a fraction: exactly uniform and never 1.
    double next() { return static_cast<double>(engine_() >> 11U) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_;
};

}  // namespace kebo

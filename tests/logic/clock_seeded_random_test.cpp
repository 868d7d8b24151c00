// The generator behind every random draw of the launcher, re-seeded from a clock before each one.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "platform/clock_seeded_random.h"

namespace kebo {
namespace {

TEST(ClockSeededRandom, NeighbouringReadingsGiveDifferentDrawsWithinRange) {
    ClockSeededRandom random;
    std::set<double> firstDraws;
    constexpr std::uint64_t kStart = 1'796'000'000'000'000'000ULL;  // nanoseconds, in 2026
    for (std::uint64_t reading = kStart; reading < kStart + 100'000; ++reading) {
        random.reseed(reading);
        const double draw = random.next();
        ASSERT_GE(draw, 0.0);
        ASSERT_LT(draw, 1.0);
        firstDraws.insert(draw);
    }
    EXPECT_EQ(firstDraws.size(), 100'000U);
}

TEST(ClockSeededRandom, TheSameReadingReplaysTheSameSequence) {
    ClockSeededRandom a;
    ClockSeededRandom b;
    a.reseed(42);
    b.reseed(42);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(a.next(), b.next());
    }
}

// A launch turns draws into steps of 1 to 500: they must all come up, evenly enough.
TEST(ClockSeededRandom, StepsFromReseededDrawsCoverTheirRange) {
    ClockSeededRandom random;
    std::set<int> steps;
    for (std::uint64_t reading = 0; reading < 100'000'000; reading += 10'000) {
        random.reseed(reading);
        steps.insert(static_cast<int>(random.next() * 500 + 1));
    }
    EXPECT_EQ(steps.size(), 500U);
    EXPECT_EQ(*steps.begin(), 1);
    EXPECT_EQ(*steps.rbegin(), 500);
}

}  // namespace
}  // namespace kebo

#include <gtest/gtest.h>

#include <vector>

#include "sim_helpers.h"

namespace kebo {
namespace {

using enum Answer;
using test::answerAll;
using test::clickAndAgree;
using test::startOpened;

SimConfig scaled(double twipsPerPixel, int reportLagMs = 0) {
    SimConfig config;
    config.twipsPerPixel = twipsPerPixel;
    config.reportLagMs = reportLagMs;
    return config;
}

void sayGoodbye(SimPlatform& p) {
    answerAll(p, {Yes, Yes, No, No, Yes, Ok});
    p.requestClose(CloseReason::User);
}

// The width read back after each tick of the farewell, up to the end or 1000 ticks.
std::vector<int> farewellWidths(SimulatedProgram& program) {
    std::vector<int> widths;
    while (!program.platform.ended() && widths.size() < 1000) {
        program.platform.advance(kShortestTimerPeriodMs);
        widths.push_back(program.launcher.window().width);
    }
    return widths;
}

// A minimum width holds the shrinking window at 1800 or 1801 twips, until the window moves to a
// screen of twice the DPI, where the minimum holds no more.
TEST(Farewell, EndsOnAWidthOf1700AndNotOf1701) {
    for (const int held : {1800, 1801}) {
        SimConfig config = scaled(1);
        config.minOuterWidthPx = held;
        SimulatedProgram program(config);
        SimPlatform& p = program.platform;
        startOpened(program);
        sayGoodbye(p);
        ASSERT_TRUE(p.advanceUntil([&] { return program.launcher.window().width == held; }, 1000));
        p.changeScale(0.5, toPixels(program.launcher.window(), 0.5));
        const std::vector<int> expected =
            held == 1800 ? std::vector{1700} : std::vector{1701, 1601};
        EXPECT_EQ(farewellWidths(program), expected);
        EXPECT_TRUE(p.minimised());
    }
}

// The windowing system keeps the window at least 2000 twips high: the height reads back that
// minimum, and the window moves down 25 twips a tick.
TEST(Farewell, AMinimumHeightHoldsTheHeightAndTheWindowDriftsDown) {
    // 1000 pixels, which the opening outgrows at a twip a pixel, and 2000 twips, which the
    // farewell reaches, on a screen of half the DPI.
    SimConfig config = scaled(1);
    config.minOuterHeightPx = 1000;
    SimulatedProgram program(config);
    SimPlatform& p = program.platform;
    startOpened(program);
    p.changeScale(2, toPixels(program.launcher.window(), 2));
    sayGoodbye(p);
    ASSERT_TRUE(p.advanceUntil([&] { return program.launcher.window().height == 2050; }, 1000));
    const int top = program.launcher.window().top;
    for (int tick = 1; tick <= 3; ++tick) {
        p.advance(kShortestTimerPeriodMs);
        EXPECT_EQ(program.launcher.window().height, 2000);
        EXPECT_EQ(program.launcher.window().top, top + 25 * tick);
    }
}

// The window shrinks about its centre, in pixels as the windowing system has it, also after the
// user moved it and with X11's late reports; the last shrink reaches the window before it is
// minimised.
TEST(Farewell, ShrinksAboutItsCentreAlsoAfterAMoveAndIsMinimisedBeforeTheEnd) {
    for (const int lag : {0, 25}) {
        SimulatedProgram program(scaled(15, lag));
        SimPlatform& p = program.platform;
        startOpened(program);
        p.advance(100);
        p.dragWindow(-200, 90);
        p.advance(100);
        EXPECT_EQ(program.launcher.window().left, p.windowRect().left * 15);
        EXPECT_EQ(program.launcher.window().width, 4770);
        const int centreX2 = 2 * p.windowRect().left + p.windowRect().width;
        const int centreY2 = 2 * p.windowRect().top + p.windowRect().height;
        sayGoodbye(p);
        while (!p.ended()) {
            p.advance(kShortestTimerPeriodMs);
            ASSERT_NEAR(2 * p.windowRect().left + p.windowRect().width, centreX2, 2);
            ASSERT_NEAR(2 * p.windowRect().top + p.windowRect().height, centreY2, 2);
        }
        EXPECT_TRUE(p.minimised());
        EXPECT_EQ(p.windowWhenMinimised(), toPixels(program.launcher.window(), 15));
    }
}

TEST(Farewell, ALaunchStartedMeanwhileDoesNotStopIt) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    sayGoodbye(p);
    p.advance(5 * kShortestTimerPeriodMs);
    clickAndAgree(p);
    ASSERT_TRUE(test::isWaiting(program));
    farewellWidths(program);
    EXPECT_TRUE(p.ended());
    EXPECT_TRUE(p.minimised());
    EXPECT_TRUE(p.startedPrograms().empty());
}

TEST(Farewell, ACloseRequestMeanwhileAsksAgainWhileTheShrinkingWaits) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    sayGoodbye(p);
    p.advance(5 * kShortestTimerPeriodMs);
    const int width = program.launcher.window().width;
    p.answerWith([&](const ShownBox&) {
        p.advance(1000);
        EXPECT_EQ(program.launcher.window().width, width);
        return Yes;
    });
    answerAll(p, {Yes, No, No, Yes, Ok});
    p.requestClose(CloseReason::User);
    EXPECT_FALSE(p.ended());
    EXPECT_EQ(p.boxes().size(), 12U);
    EXPECT_TRUE(p.boxes().back().is(boxes::kSeeYou));
    EXPECT_EQ(program.launcher.interval(Animation::Farewell), 1);
    p.advance(kShortestTimerPeriodMs);
    EXPECT_EQ(program.launcher.window().width, width - 100);
    farewellWidths(program);
    EXPECT_TRUE(p.minimised());
}

}  // namespace
}  // namespace kebo

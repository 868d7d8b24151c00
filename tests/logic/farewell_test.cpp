#include <gtest/gtest.h>

#include <vector>

#include "sim_helpers.h"

namespace kebo {
namespace {

using enum MessageId;
using test::clickAndAgree;
using test::startOpened;

SimConfig scaled(double twipsPerPixel, int reportLagMs = 0) {
    SimConfig config;
    config.twipsPerPixel = twipsPerPixel;
    config.reportLagMs = reportLagMs;
    return config;
}

void sayGoodbye(SimPlatform& p) {
    for (const int answer : {kAnswerYes, kAnswerYes, kAnswerNo, kAnswerNo, kAnswerYes, kAnswerOk}) {
        p.answer(answer);
    }
    p.requestClose(kCloseReasonUser);
}

// The width read back after each tick of the farewell, up to the end or 1000 ticks.
std::vector<int> farewellWidths(SimPlatform& p) {
    std::vector<int> widths;
    while (!p.ended() && widths.size() < 1000) {
        p.advance(kShortestTimerPeriodMs);
        widths.push_back(p.windowWidth());
    }
    return widths;
}

TEST(Farewell, EndsOnAWidthOf1700AndNotOf1701) {
    for (const int widthBefore : {1800, 1801}) {
        SimulatedProgram program(scaled(1));
        SimPlatform& p = program.platform;
        startOpened(program);
        p.setWindowWidth(widthBefore);
        p.applyWindowGeometry();
        sayGoodbye(p);
        const std::vector<int> widths = farewellWidths(p);
        EXPECT_EQ(widths.front(), widthBefore - 100);
        EXPECT_EQ(widths.size(), widthBefore == 1800 ? 1U : 2U);
        EXPECT_TRUE(p.minimisedAtEnd());
    }
}

// The windowing system keeps the window at least 2000 twips high: the height reads back that
// minimum, and the window moves down 25 twips a tick.
TEST(Farewell, AMinimumHeightHoldsTheHeightAndTheWindowDriftsDown) {
    SimConfig config = scaled(1);
    config.minOuterHeightPx = 2000;
    SimulatedProgram program(config);
    SimPlatform& p = program.platform;
    startOpened(program);
    p.setWindowHeight(2050);
    p.applyWindowGeometry();
    const int top = p.windowTop();
    sayGoodbye(p);
    for (int tick = 1; tick <= 3; ++tick) {
        p.advance(kShortestTimerPeriodMs);
        EXPECT_EQ(p.windowHeight(), 2000);
        EXPECT_EQ(p.windowTop(), top + 25 * tick);
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
        EXPECT_EQ(p.windowLeft(), p.windowRect().left * 15);
        EXPECT_EQ(p.windowWidth(), 4770);
        const int centreX2 = 2 * p.windowRect().left + p.windowRect().width;
        const int centreY2 = 2 * p.windowRect().top + p.windowRect().height;
        sayGoodbye(p);
        while (!p.ended()) {
            p.advance(kShortestTimerPeriodMs);
            ASSERT_NEAR(2 * p.windowRect().left + p.windowRect().width, centreX2, 2);
            ASSERT_NEAR(2 * p.windowRect().top + p.windowRect().height, centreY2, 2);
        }
        EXPECT_TRUE(p.minimisedAtEnd());
        EXPECT_EQ(p.windowWhenMinimised(),
                  toPixels({p.windowLeft(), p.windowTop(), p.windowWidth(), p.windowHeight()}, 15));
    }
}

TEST(Farewell, ALaunchStartedMeanwhileDoesNotStopIt) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    sayGoodbye(p);
    p.advance(5 * kShortestTimerPeriodMs);
    clickAndAgree(p);
    ASSERT_TRUE(test::isWaiting(p));
    farewellWidths(p);
    EXPECT_TRUE(p.ended());
    EXPECT_TRUE(p.minimisedAtEnd());
    EXPECT_TRUE(p.startedPrograms().empty());
}

TEST(Farewell, ACloseRequestMeanwhileAsksAgainWhileTheShrinkingWaits) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    sayGoodbye(p);
    p.advance(5 * kShortestTimerPeriodMs);
    const int width = p.windowWidth();
    p.answerWith([&p, width](const ShownBox&) {
        p.advance(1000);
        EXPECT_EQ(p.windowWidth(), width);
        return kAnswerYes;
    });
    for (const int answer : {kAnswerYes, kAnswerNo, kAnswerNo, kAnswerYes, kAnswerOk}) {
        p.answer(answer);
    }
    EXPECT_TRUE(p.requestClose(kCloseReasonUser));
    EXPECT_EQ(p.boxIds().size(), 12U);
    EXPECT_EQ(p.boxIds().back(), MsgSeeYou);
    EXPECT_EQ(p.timerInterval(Timer::Timer3), 1);
    p.advance(kShortestTimerPeriodMs);
    EXPECT_EQ(p.windowWidth(), width - 100);
    farewellWidths(p);
    EXPECT_TRUE(p.minimisedAtEnd());
}

}  // namespace
}  // namespace kebo

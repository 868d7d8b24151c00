#include <gtest/gtest.h>

#include <vector>

#include "sim_helpers.h"

namespace kebo {
namespace {

using enum MessageId;
using test::clickAndAgree;
using test::startOpened;

SimConfig scaled(double twipsPerPixel, int minOuterWidthPx = 0) {
    SimConfig config;
    config.twipsPerPixel = twipsPerPixel;
    config.minOuterWidthPx = minOuterWidthPx;
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
    struct Case {
        SimConfig config;
        int width31stTick;
        bool ends;
        std::size_t ticks;
    };
    const Case cases[] = {
        {scaled(1, 1700), 1700, true, 31},  // a minimum width holds it at exactly 1700
        {scaled(1, 1701), 1701, false, 1000},
        {scaled(9), 1701, true, 32},  // 11 px a tick
    };
    for (const Case& c : cases) {
        SimulatedProgram program(c.config);
        SimPlatform& p = program.platform;
        startOpened(program);
        sayGoodbye(p);
        const std::vector<int> widths = farewellWidths(p);
        EXPECT_EQ(p.ended(), c.ends) << c.config.twipsPerPixel;
        ASSERT_EQ(widths.size(), c.ticks);
        EXPECT_EQ(widths[30], c.width31stTick);
        EXPECT_EQ(p.minimisedAtEnd(), c.ends);
    }
}

TEST(Farewell, ShrinksAboutItsCentreAndIsMinimisedBeforeTheEnd) {
    SimulatedProgram program(scaled(5));  // a pixel divides every step
    SimPlatform& p = program.platform;
    startOpened(program);
    const int centreX = 2 * p.windowLeft() + p.windowWidth();
    const int centreY = 2 * p.windowTop() + p.windowHeight();
    sayGoodbye(p);
    farewellWidths(p);
    ASSERT_TRUE(p.ended());
    EXPECT_TRUE(p.minimisedAtEnd());
    EXPECT_EQ(2 * p.windowLeft() + p.windowWidth(), centreX);
    EXPECT_EQ(2 * p.windowTop() + p.windowHeight(), centreY);
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
    EXPECT_EQ(p.windowWidth(), width - 105);
    farewellWidths(p);
    EXPECT_TRUE(p.minimisedAtEnd());
}

}  // namespace
}  // namespace kebo

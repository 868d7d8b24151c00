#include <gtest/gtest.h>

#include "sim_helpers.h"

namespace kebo {
namespace {

using enum MessageId;
using test::clickAndAgree;
using test::isWaiting;
using test::runLaunchToEnd;
using test::startOpened;

TEST(WhileABoxIsOpen, ProgressTicksAreDroppedAndOpenNoSecondBox) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    clickAndAgree(p);
    const int interval = p.timerInterval(Timer::Timer1);
    p.answerWith([&](const ShownBox&) {
        const LauncherState before = program.form.state();
        const std::size_t boxes = p.boxes().size();
        p.advance(20 * interval);
        const LauncherState& after = program.form.state();
        EXPECT_EQ(p.boxes().size(), boxes);
        EXPECT_EQ(after.progress, before.progress);
        EXPECT_EQ(after.tickCount, before.tickCount);
        EXPECT_EQ(after.blinkCount, before.blinkCount);
        EXPECT_EQ(p.progressBarValue(), 10000);
        EXPECT_EQ(p.timerInterval(Timer::Timer1), interval);
        return kAnswerYes;
    });
    runLaunchToEnd(p);
    EXPECT_EQ(p.deepestBoxNesting(), 1);
    EXPECT_EQ(p.boxIds().back(), MsgReadyAskOpen);
    EXPECT_EQ(p.startedPrograms(), std::vector<std::string>{"NOTEPAD.EXE"});
}

TEST(WhileABoxIsOpen, AnimationTicksAreDroppedNotDeferred) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    p.start();
    p.advance(5 * kShortestTimerPeriodMs);
    const int width = p.windowWidth();
    p.answerWith([&](const ShownBox&) {
        p.advance(1000);
        EXPECT_EQ(p.windowWidth(), width);
        return kAnswerYes;
    });
    p.answer(kAnswerOk);
    p.click();  // while the window is still growing
    EXPECT_EQ(p.windowWidth(), width);
    p.advance(kShortestTimerPeriodMs);
    EXPECT_EQ(p.windowWidth(), width + 100);  // one step, no burst of missed ticks
    p.advanceUntil([&p] { return p.timerInterval(Timer::Timer2) == 0; }, 1000);
    EXPECT_EQ(p.windowWidth(), 4770);
    EXPECT_TRUE(isWaiting(p));
}

TEST(WhileABoxIsOpen, AnOrdinaryCloseIsRefusedWithoutAWord) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    p.answerWith([&p](const ShownBox&) {
        for (const std::int16_t reason : {0, 1, 4, 5}) {
            EXPECT_TRUE(p.requestClose(reason));
        }
        EXPECT_EQ(p.boxes().size(), 1U);
        return kAnswerYes;
    });
    p.answer(kAnswerOk);
    p.click();
    EXPECT_EQ(p.boxIds(), (std::vector{MsgAskOpen, MsgPleaseWait}));
    EXPECT_TRUE(isWaiting(p));
}

TEST(WhileABoxIsOpen, SessionEndAndTaskManagerEndTheProgramAtOnce) {
    for (const std::int16_t reason : {kCloseReasonSessionEnding, kCloseReasonTaskManager}) {
        SimulatedProgram program;
        SimPlatform& p = program.platform;
        startOpened(program);
        clickAndAgree(p);
        p.answerWith([&p, reason](const ShownBox&) {
            p.requestClose(reason);
            ADD_FAILURE() << "the box went on after the end of the program";
            return kAnswerNo;
        });
        runLaunchToEnd(p);
        ASSERT_TRUE(p.ended());
        EXPECT_FALSE(p.minimisedAtEnd());
        EXPECT_EQ(p.boxIds().back(), MsgReadyAskOpen);
        EXPECT_TRUE(p.startedPrograms().empty());
        EXPECT_TRUE(p.testedPaths().empty());

        // After the end nothing is delivered any more.
        const std::size_t boxes = p.boxes().size();
        p.advance(60'000);
        p.requestClose(kCloseReasonUser);
        EXPECT_EQ(p.boxes().size(), boxes);
    }
}

}  // namespace
}  // namespace kebo

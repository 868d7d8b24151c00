#include <gtest/gtest.h>

#include "sim_helpers.h"

namespace kebo {
namespace {

using enum Answer;
using test::clickAndAgree;
using test::isWaiting;
using test::startOpened;

TEST(WhileABoxIsOpen, ProgressTicksAreDroppedAndOpenNoSecondBox) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    clickAndAgree(p);
    const int interval = program.launcher.interval(Animation::Progress);
    p.answerWith([&](const ShownBox&) {
        const LauncherState before = program.launcher.state();
        const std::size_t boxes = p.boxes().size();
        p.advance(20 * interval);
        const LauncherState& after = program.launcher.state();
        EXPECT_EQ(p.boxes().size(), boxes);
        EXPECT_EQ(after.progress, before.progress);
        EXPECT_EQ(after.tickCount, before.tickCount);
        EXPECT_EQ(after.blinkCount, before.blinkCount);
        EXPECT_EQ(p.progressValue(), 10000);
        EXPECT_EQ(program.launcher.interval(Animation::Progress), interval);
        return Yes;
    });
    test::runLaunchToEnd(program);
    EXPECT_EQ(p.deepestBoxNesting(), 1);
    EXPECT_TRUE(p.boxes().back().is(boxes::kReadyAskOpen));
    EXPECT_EQ(p.startedPrograms(), std::vector<std::string>{"NOTEPAD.EXE"});
}

TEST(WhileABoxIsOpen, AnimationTicksAreDroppedNotDeferred) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    const TwipsRect& window = program.launcher.window();
    program.start();
    p.advance(5 * kShortestTimerPeriodMs);
    const int width = window.width;
    p.answerWith([&](const ShownBox&) {
        p.advance(1000);
        EXPECT_EQ(window.width, width);
        return Yes;
    });
    p.answer(Ok);
    p.click();  // while the window is still growing
    EXPECT_EQ(window.width, width);
    p.advance(kShortestTimerPeriodMs);
    EXPECT_EQ(window.width, width + 100);  // one step, no burst of missed ticks
    p.advanceUntil([&] { return program.launcher.interval(Animation::Opening) == 0; }, 1000);
    EXPECT_EQ(window.width, 4770);
    EXPECT_TRUE(isWaiting(program));
}

TEST(WhileABoxIsOpen, AnOrdinaryCloseIsRefusedWithoutAWord) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    p.answerWith([&p](const ShownBox&) {
        p.requestClose(CloseReason::User);
        EXPECT_FALSE(p.ended());
        EXPECT_EQ(p.boxes().size(), 1U);
        return Yes;
    });
    p.answer(Ok);
    p.click();
    EXPECT_EQ(test::shownBoxes(p), (std::vector{boxes::kAskOpen, boxes::kPleaseWait}));
    EXPECT_TRUE(isWaiting(program));
}

}  // namespace
}  // namespace kebo

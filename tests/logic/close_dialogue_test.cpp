#include <gtest/gtest.h>

#include <vector>

#include "sim_helpers.h"

namespace kebo {
namespace {

using namespace boxes;
using enum Answer;
using test::answerAll;
using test::clickAndAgree;
using test::isIdle;
using test::isWaiting;
using test::shownBoxes;
using test::startOpened;

enum class Outcome { Refused, Relaunch, Farewell };

TEST(CloseDialogue, EveryPathRefusesTheClose) {
    struct Path {
        std::vector<Answer> answers;
        std::vector<Box> boxes;
        Outcome outcome;
    };
    const Path paths[] = {
        {{No}, {kAskQuit}, Outcome::Refused},
        {{Yes, No}, {kAskQuit, kAskQuitReally}, Outcome::Refused},
        {{Yes, Yes, Yes, Ok},
         {kAskQuit, kAskQuitReally, kAskRelaunch, kPleaseWait},
         Outcome::Relaunch},
        {{Yes, Yes, No, Yes, Ok},
         {kAskQuit, kAskQuitReally, kAskRelaunch, kAskCancelClose, kBackToLauncher},
         Outcome::Refused},
        {{Yes, Yes, No, No, No, Ok},
         {kAskQuit, kAskQuitReally, kAskRelaunch, kAskCancelClose, kAskGoodbye, kBackToLauncher},
         Outcome::Refused},
        {{Yes, Yes, No, No, Yes, Ok},
         {kAskQuit, kAskQuitReally, kAskRelaunch, kAskCancelClose, kAskGoodbye, kSeeYou},
         Outcome::Farewell},
    };
    for (const Path& path : paths) {
        SimulatedProgram program;
        SimPlatform& p = program.platform;
        startOpened(program);
        answerAll(p, path.answers);
        p.requestClose(CloseReason::User);
        EXPECT_FALSE(p.ended());
        EXPECT_EQ(shownBoxes(p), path.boxes);
        EXPECT_EQ(isWaiting(program), path.outcome == Outcome::Relaunch);
        EXPECT_EQ(isIdle(program), path.outcome != Outcome::Relaunch);
        EXPECT_EQ(program.launcher.interval(Animation::Farewell),
                  path.outcome == Outcome::Farewell ? 1 : 0);
    }
}

TEST(CloseDialogue, TheRelaunchLeavesTheLabelToTheBlinking) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    answerAll(p, {Yes, Yes, Yes, Ok});
    p.requestClose(CloseReason::User);
    EXPECT_FALSE(p.busyLabelVisible());
    for (int tick = 1; tick <= 4; ++tick) {
        p.advance(program.launcher.interval(Animation::Progress));
        EXPECT_EQ(p.busyLabelVisible(), tick == 4) << "tick " << tick;
    }
}

TEST(CloseDialogue, ACloseDuringALaunchIsRefusedWithoutAWord) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    clickAndAgree(p);
    const int interval = program.launcher.interval(Animation::Progress);
    p.advance(3 * interval);
    p.requestClose(CloseReason::User);
    EXPECT_FALSE(p.ended());
    EXPECT_EQ(shownBoxes(p), (std::vector{kAskOpen, kPleaseWait}));
    EXPECT_TRUE(isWaiting(program));
    EXPECT_EQ(program.launcher.interval(Animation::Progress), interval);
}

// The end of the session and the task manager end the program at once, also from inside a box,
// and after the end no click, close, tick or report reaches the launcher.
TEST(CloseDialogue, SessionEndAndTaskManagerEndAtOnceWithoutMinimising) {
    enum class When { Idle, Launching, InTheReadyBox };
    for (const CloseReason reason : {CloseReason::SessionEnding, CloseReason::TaskManager}) {
        for (const When when : {When::Idle, When::Launching, When::InTheReadyBox}) {
            SimulatedProgram program;
            SimPlatform& p = program.platform;
            startOpened(program);
            if (when != When::Idle) {
                clickAndAgree(p);
            }
            if (when == When::InTheReadyBox) {
                p.answerWith([&p, reason](const ShownBox&) {
                    p.requestClose(reason);
                    ADD_FAILURE() << "the box went on after the end of the program";
                    return No;
                });
                test::runLaunchToEnd(program);
                EXPECT_TRUE(p.boxes().back().is(kReadyAskOpen));
                EXPECT_TRUE(p.testedPaths().empty());
            } else {
                p.requestClose(reason);
            }
            ASSERT_TRUE(p.ended());
            EXPECT_FALSE(p.minimised());
            EXPECT_TRUE(p.startedPrograms().empty());

            const LauncherState state = program.launcher.state();
            const TwipsRect window = program.launcher.window();
            const std::size_t boxes = p.boxes().size();
            p.setDefaultAnswerer([](const ShownBox& box) { return box.defaultAnswer; });
            p.click();
            p.requestClose(CloseReason::User);
            p.dragWindow(10, 10);
            for (const Animation animation :
                 {Animation::Opening, Animation::Progress, Animation::Farewell}) {
                p.run([&] { program.launcher.post(event::TimerTicked{animation}); });
            }
            p.advance(test::kLongestLaunchMs);
            EXPECT_EQ(p.boxes().size(), boxes);
            EXPECT_EQ(program.launcher.state().progress, state.progress);
            EXPECT_EQ(program.launcher.state().tickCount, state.tickCount);
            EXPECT_EQ(program.launcher.window(), window);
        }
    }
}

}  // namespace
}  // namespace kebo

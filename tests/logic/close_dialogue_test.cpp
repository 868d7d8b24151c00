#include <gtest/gtest.h>

#include <vector>

#include "sim_helpers.h"

namespace kebo {
namespace {

using enum MessageId;
using test::clickAndAgree;
using test::isIdle;
using test::isWaiting;
using test::startOpened;

constexpr int Y = kAnswerYes;
constexpr int N = kAnswerNo;
constexpr int OK = kAnswerOk;

enum class Outcome { Refused, Relaunch, Farewell };

TEST(CloseDialogue, EveryPathRefusesTheClose) {
    struct Path {
        std::vector<int> answers;
        std::vector<MessageId> boxes;
        Outcome outcome;
    };
    const Path paths[] = {
        {{N}, {MsgAskQuit}, Outcome::Refused},
        {{Y, N}, {MsgAskQuit, MsgAskQuitReally}, Outcome::Refused},
        {{Y, Y, Y, OK},
         {MsgAskQuit, MsgAskQuitReally, MsgAskRelaunch, MsgPleaseWait},
         Outcome::Relaunch},
        {{Y, Y, N, Y, OK},
         {MsgAskQuit, MsgAskQuitReally, MsgAskRelaunch, MsgAskCancelClose, MsgBackToLauncher},
         Outcome::Refused},
        {{Y, Y, N, N, N, OK},
         {MsgAskQuit, MsgAskQuitReally, MsgAskRelaunch, MsgAskCancelClose, MsgAskGoodbye,
          MsgBackToLauncher},
         Outcome::Refused},
        {{Y, Y, N, N, Y, OK},
         {MsgAskQuit, MsgAskQuitReally, MsgAskRelaunch, MsgAskCancelClose, MsgAskGoodbye,
          MsgSeeYou},
         Outcome::Farewell},
    };
    for (const Path& path : paths) {
        SimulatedProgram program;
        SimPlatform& p = program.platform;
        startOpened(program);
        for (const int answer : path.answers) {
            p.answer(answer);
        }
        EXPECT_TRUE(p.requestClose(kCloseReasonUser));
        EXPECT_EQ(p.boxIds(), path.boxes);
        EXPECT_EQ(isWaiting(p), path.outcome == Outcome::Relaunch);
        EXPECT_EQ(isIdle(p), path.outcome != Outcome::Relaunch);
        EXPECT_EQ(p.timerInterval(Timer::Timer3), path.outcome == Outcome::Farewell ? 1 : 0);
        EXPECT_FALSE(p.ended());
    }
}

TEST(CloseDialogue, TheRelaunchLeavesTheLabelToTheBlinking) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    for (const int answer : {Y, Y, Y, OK}) {
        p.answer(answer);
    }
    p.requestClose(kCloseReasonUser);
    EXPECT_FALSE(p.labelVisible());
    for (int tick = 1; tick <= 4; ++tick) {
        p.advance(p.timerInterval(Timer::Timer1));
        EXPECT_EQ(p.labelVisible(), tick == 4) << "tick " << tick;
    }
}

TEST(CloseDialogue, EveryReasonButTwoAndThreeAsksAndEnterRefusesAfterOneQuestion) {
    for (const std::int16_t reason : {0, 1, 4, 5}) {
        SimulatedProgram program;
        SimPlatform& p = program.platform;
        startOpened(program);
        // Enter takes the box's default button.
        p.setDefaultAnswerer([](const ShownBox& box) {
            if ((box.style & kStyleButtonsMask) != kStyleYesNo) {
                return kAnswerOk;
            }
            return (box.style & kStyleDefaultMask) == kStyleDefaultSecond ? kAnswerNo : kAnswerYes;
        });
        EXPECT_TRUE(p.requestClose(reason));
        EXPECT_EQ(p.boxIds(), std::vector{MsgAskQuit}) << "reason " << reason;
        EXPECT_TRUE(isIdle(p));
    }
}

TEST(CloseDialogue, ACloseDuringALaunchIsRefusedWithoutAWord) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    clickAndAgree(p);
    const int interval = p.timerInterval(Timer::Timer1);
    p.advance(3 * interval);
    EXPECT_TRUE(p.requestClose(kCloseReasonUser));
    EXPECT_EQ(p.boxIds(), (std::vector{MsgAskOpen, MsgPleaseWait}));
    EXPECT_TRUE(isWaiting(p));
    EXPECT_EQ(p.timerInterval(Timer::Timer1), interval);
}

TEST(CloseDialogue, SessionEndAndTaskManagerEndAtOnceWithoutMinimising) {
    for (const std::int16_t reason : {kCloseReasonSessionEnding, kCloseReasonTaskManager}) {
        for (const bool duringLaunch : {false, true}) {
            SimulatedProgram program;
            SimPlatform& p = program.platform;
            startOpened(program);
            if (duringLaunch) {
                clickAndAgree(p);
            }
            const std::size_t boxes = p.boxes().size();
            EXPECT_FALSE(p.requestClose(reason));
            EXPECT_TRUE(p.ended());
            EXPECT_FALSE(p.minimisedAtEnd());
            p.advance(test::kLongestLaunchMs);
            EXPECT_EQ(p.boxes().size(), boxes);
            EXPECT_TRUE(p.startedPrograms().empty());
        }
    }
}

}  // namespace
}  // namespace kebo

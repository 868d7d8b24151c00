#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "sim_helpers.h"

namespace kebo {
namespace {

using enum MessageId;
using test::clickAndAgree;
using test::cutDraw;
using test::intervalDraw;
using test::isIdle;
using test::isWaiting;
using test::runLaunchToEnd;
using test::startOpened;
using test::stepDraw;

// Queues the draws of ticks that add `step` each, none of them cut.
void queueSteps(SimPlatform& p, int step, int ticks) {
    for (int i = 0; i < ticks; ++i) {
        p.queueRandom({stepDraw(step)});
        if (step >= 300) {
            p.queueRandom({cutDraw(9)});
        }
    }
}

TEST(LaunchRequest, ANoAtTheFirstQuestionIsOverriddenIntoTheSameWait) {
    struct Seen {
        std::vector<MessageId> boxes;
        bool waiting, label;
        float bar;
        int interval;
    };
    const auto launch = [](int firstAnswer) {
        SimulatedProgram program;
        SimPlatform& p = program.platform;
        startOpened(program);
        p.answer(firstAnswer);
        if (firstAnswer == kAnswerNo) {
            p.answer(kAnswerOk);
        }
        p.answer(kAnswerOk);
        p.click();
        return Seen{p.boxIds(), isWaiting(p), p.labelVisible(), p.progressBarValue(),
                    p.timerInterval(Timer::Timer1)};
    };
    const Seen yes = launch(kAnswerYes);
    const Seen no = launch(kAnswerNo);
    EXPECT_EQ(yes.boxes, (std::vector{MsgAskOpen, MsgPleaseWait}));
    EXPECT_EQ(no.boxes, (std::vector{MsgAskOpen, MsgRefusalFailed, MsgPleaseWait}));
    for (const Seen& seen : {yes, no}) {
        EXPECT_TRUE(seen.waiting);
        EXPECT_TRUE(seen.label);
        EXPECT_EQ(seen.bar, 0);
        EXPECT_EQ(seen.interval, yes.interval);
    }
}

TEST(LaunchRequest, TheProgressTicksAtTheIntervalDrawnFrom100To199) {
    for (const auto& [draw, interval] : {std::pair{0.0, 100}, {std::nextafter(1.0, 0.0), 199}}) {
        SimulatedProgram program;
        SimPlatform& p = program.platform;
        startOpened(program);
        p.queueRandom({draw});
        clickAndAgree(p);
        EXPECT_EQ(p.timerInterval(Timer::Timer1), interval);
        p.advance(interval - 1);
        EXPECT_TRUE(p.progressBarValues().empty());
        p.advance(1);
        EXPECT_EQ(p.progressBarValues().size(), 1U);
    }
}

TEST(ProgressTick, CutsStepsFrom300OnSixTimesInTen) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    p.queueRandom({intervalDraw(100), stepDraw(299), stepDraw(300), cutDraw(5), stepDraw(300),
                   cutDraw(6), std::nextafter(1.0, 0.0), cutDraw(0), stepDraw(1)});
    clickAndAgree(p);
    p.advance(500);
    // 299 draws no second number: had it drawn one, every later step would be off. The largest
    // draw below 1 makes a step of 500, cut to 50.
    EXPECT_EQ(p.progressBarValues(), (std::vector<float>{299, 329, 629, 679, 680}));
}

TEST(ProgressTick, Exactly10000IsShownAndTheNextTickCompletesWithoutBlinking) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    // 23 ticks up to 10000 leave the blink counter at 3: one more blink would show the label.
    p.queueRandom({intervalDraw(100)});
    queueSteps(p, 500, 19);
    queueSteps(p, 125, 4);
    queueSteps(p, 1, 1);
    clickAndAgree(p);
    p.answer(kAnswerYes);
    p.advance(23 * 100);
    EXPECT_EQ(p.progressBarValue(), 10000);
    EXPECT_EQ(p.boxIds().back(), MsgPleaseWait);
    ASSERT_EQ(program.form.state().blinkCount, 3);

    const std::size_t valuesSet = p.progressBarValues().size();
    p.advance(100);
    EXPECT_EQ(p.boxIds().back(), MsgReadyAskOpen);
    const std::vector<float> completing(p.progressBarValues().begin() + valuesSet,
                                        p.progressBarValues().end());
    EXPECT_EQ(completing, (std::vector<float>{10000, 0}));
    EXPECT_EQ(program.form.state().blinkCount, 3);
    EXPECT_TRUE(isIdle(p));
}

TEST(ProgressTick, TheFirstLaunchDraws51TimesLaterOnes50AndNoneExceeds71Ticks) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    // Steps of 1 through the whole random phase give the longest launch there is.
    for (const int randomTicks : {51, 50, 50}) {
        p.queueRandom({intervalDraw(100)});
        queueSteps(p, 1, randomTicks);
        const int reseeds = p.reseedCount();
        const std::int64_t start = p.nowMs();
        clickAndAgree(p);
        p.answer(kAnswerYes);
        runLaunchToEnd(p);
        ASSERT_EQ(p.boxIds().back(), MsgReadyAskOpen);
        EXPECT_EQ(p.reseedCount() - reseeds, 1 + randomTicks);
        EXPECT_EQ(p.boxes().back().atMs - start, (randomTicks + 20) * 100);
        EXPECT_EQ(program.form.state().tickCount, 1);
    }
}

TEST(ProgressTick, TheLabelBlinksHiddenHiddenHiddenShownAcrossLaunches) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    std::vector<bool> shown;
    p.queueRandom({intervalDraw(100)});
    queueSteps(p, 500, 19);
    queueSteps(p, 250, 2);
    queueSteps(p, 1, 1);
    clickAndAgree(p);
    p.answer(kAnswerYes);
    for (int tick = 0; tick < 21; ++tick) {
        p.advance(100);
        shown.push_back(p.labelVisible());
    }
    runLaunchToEnd(p);
    ASSERT_TRUE(isIdle(p));
    p.queueRandom({intervalDraw(100)});
    clickAndAgree(p);
    for (int tick = 0; tick < 8; ++tick) {
        p.advance(100);
        shown.push_back(p.labelVisible());
    }
    for (std::size_t tick = 0; tick < shown.size(); ++tick) {
        EXPECT_EQ(shown[tick], tick % 4 == 3) << "tick " << tick;
    }
}

}  // namespace
}  // namespace kebo

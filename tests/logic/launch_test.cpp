#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "sim_helpers.h"

namespace kebo {
namespace {

using namespace boxes;
using enum Answer;
using test::clickAndAgree;
using test::cutDraw;
using test::intervalDraw;
using test::isIdle;
using test::isWaiting;
using test::runLaunchToEnd;
using test::shownBoxes;
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
        std::vector<Box> boxes;
        bool waiting, label;
        int bar;
        int interval;
    };
    const auto launch = [](Answer firstAnswer) {
        SimulatedProgram program;
        SimPlatform& p = program.platform;
        startOpened(program);
        p.answer(firstAnswer);
        if (firstAnswer == No) {
            p.answer(Ok);
        }
        p.answer(Ok);
        p.click();
        return Seen{shownBoxes(p), isWaiting(program), p.busyLabelVisible(), p.progressValue(),
                    program.launcher.interval(Animation::Progress)};
    };
    const Seen yes = launch(Yes);
    const Seen no = launch(No);
    EXPECT_EQ(yes.boxes, (std::vector{kAskOpen, kPleaseWait}));
    EXPECT_EQ(no.boxes, (std::vector{kAskOpen, kRefusalOverridden, kPleaseWait}));
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
        EXPECT_EQ(program.launcher.interval(Animation::Progress), interval);
        p.advance(interval - 1);
        EXPECT_TRUE(p.progressValues().empty());
        p.advance(1);
        EXPECT_EQ(p.progressValues().size(), 1U);
    }
}

TEST(ProgressTick, CutsStepsFrom300OnSixTimesInTenToAWholeTenth) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    p.queueRandom({intervalDraw(100), stepDraw(299), stepDraw(300), cutDraw(5), stepDraw(300),
                   cutDraw(6), std::nextafter(1.0, 0.0), cutDraw(0), stepDraw(1), stepDraw(345),
                   cutDraw(5), stepDraw(345), cutDraw(5)});
    clickAndAgree(p);
    p.advance(700);
    // 299 draws no second number: had it drawn one, every later step would be off. The largest
    // draw below 1 makes a step of 500, cut to 50; 345 is cut to 34, and not to 34.5, which two
    // such steps would show.
    EXPECT_EQ(p.progressValues(), (std::vector{299, 329, 629, 679, 680, 714, 748}));
}

TEST(ProgressTick, Exactly10000IsShownAndTheNextTickCompletesWithoutBlinking) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    const LauncherState& state = program.launcher.state();
    startOpened(program);
    // 23 ticks up to 10000 leave the blink counter at 3: one more blink would show the label.
    p.queueRandom({intervalDraw(100)});
    queueSteps(p, 500, 19);
    queueSteps(p, 125, 4);
    queueSteps(p, 1, 1);
    clickAndAgree(p);
    p.answer(Yes);
    p.advance(23 * 100);
    EXPECT_EQ(p.progressValue(), 10000);
    EXPECT_TRUE(p.boxes().back().is(kPleaseWait));
    ASSERT_EQ(state.blinkCount, 3);

    const std::size_t valuesSet = p.progressValues().size();
    p.advance(100);
    EXPECT_TRUE(p.boxes().back().is(kReadyAskOpen));
    const std::vector<int> completing(p.progressValues().begin() + valuesSet,
                                      p.progressValues().end());
    EXPECT_EQ(completing, (std::vector{10000, 0}));
    EXPECT_EQ(state.blinkCount, 3);
    EXPECT_TRUE(isIdle(program));
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
        p.answer(Yes);
        runLaunchToEnd(program);
        ASSERT_TRUE(p.boxes().back().is(kReadyAskOpen));
        EXPECT_EQ(p.reseedCount() - reseeds, 1 + randomTicks);
        EXPECT_EQ(p.boxes().back().atMs - start, (randomTicks + 20) * 100);
        EXPECT_EQ(program.launcher.state().tickCount, 1);
        // Shown last before the completion's 10000 and 0: 19 fixed steps after the random phase.
        const std::vector<int>& values = p.progressValues();
        EXPECT_EQ(values[values.size() - 3], randomTicks + 19 * 500);
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
    p.answer(Yes);
    for (int tick = 0; tick < 21; ++tick) {
        p.advance(100);
        shown.push_back(p.busyLabelVisible());
    }
    runLaunchToEnd(program);
    ASSERT_TRUE(isIdle(program));
    p.queueRandom({intervalDraw(100)});
    clickAndAgree(p);
    for (int tick = 0; tick < 8; ++tick) {
        p.advance(100);
        shown.push_back(p.busyLabelVisible());
    }
    for (std::size_t tick = 0; tick < shown.size(); ++tick) {
        EXPECT_EQ(shown[tick], tick % 4 == 3) << "tick " << tick;
    }
}

}  // namespace
}  // namespace kebo

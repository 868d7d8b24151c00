// Shared steps of the scenarios that drive the launcher on the simulated platform.
#pragma once

#include <cstdint>

#include "platform/sim/simulated_program.h"

namespace kebo::test {

// Random draws that make floor(r * n + base) come out at a chosen whole number; each sits in the
// middle of its interval so that no rounding of r can move it to a neighbour.
constexpr double intervalDraw(int ms) {
    return (ms - 100 + 0.5) / 100;
}
constexpr double stepDraw(int step) {
    return (step - 0.5) / 500;
}
constexpr double cutDraw(int d) {
    return (d + 0.5) / 10;
}

inline constexpr std::int64_t kLongestLaunchMs = 71 * 199;

// Started, and reported on the screen: the opening's ticks begin.
inline void startShown(SimPlatform& p) {
    p.start();
    p.advanceUntil([&p] { return p.windowOnScreen(); }, 1000);
}

// Started, with the opening animation over.
inline void startOpened(SimulatedProgram& program) {
    SimPlatform& p = program.platform;
    p.start();
    p.advanceUntil([&p] { return p.timerInterval(Timer::Timer2) == 0; }, 10'000);
}

inline bool isIdle(const SimPlatform& p) {
    return p.buttonEnabled() && !p.progressBarVisible() && p.progressBarValue() == 0 &&
           !p.labelVisible() && p.timerInterval(Timer::Timer1) == 0 &&
           p.mousePointer() == MousePointer::Default;
}

inline bool isWaiting(const SimPlatform& p) {
    const int interval = p.timerInterval(Timer::Timer1);
    return !p.buttonEnabled() && p.progressBarVisible() && interval >= 100 && interval <= 199 &&
           p.mousePointer() == MousePointer::Hourglass;
}

// Clicks the button and agrees, which leaves the window waiting.
inline void clickAndAgree(SimPlatform& p) {
    p.answer(kAnswerYes);
    p.answer(kAnswerOk);
    p.click();
}

// Runs the clock until the launch under way has completed.
inline void runLaunchToEnd(SimPlatform& p) {
    p.advanceUntil([&p] { return p.timerInterval(Timer::Timer1) == 0; }, kLongestLaunchMs);
}

}  // namespace kebo::test

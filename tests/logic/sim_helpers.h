// Shared steps of the scenarios that drive the launcher on the simulated platform.
#pragma once

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <utility>
#include <vector>

#include "launcher/launcher.h"
#include "platform/sim/sim_platform.h"

namespace kebo {

// A failed expectation names a box by its text.
inline void PrintTo(const Box& box, std::ostream* os) {
    *os << box.text;
}

// The launcher on the simulated platform, wired the way a backend wires it.
struct SimulatedProgram {
    explicit SimulatedProgram(SimConfig config = {}) : platform(std::move(config)) {
        platform.attach(launcher);
    }
    void start() {
        platform.run([this] { launcher.start(); });
    }

    SimPlatform platform;
    Launcher launcher{platform};
};

namespace test {

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
inline void startShown(SimulatedProgram& program) {
    program.start();
    program.platform.advanceUntil([&program] { return program.launcher.onScreen(); }, 1000);
}

// Started, with the opening animation over.
inline void startOpened(SimulatedProgram& program) {
    program.start();
    program.platform.advanceUntil(
        [&program] { return program.launcher.interval(Animation::Opening) == 0; }, 10'000);
}

inline bool isIdle(const SimulatedProgram& program) {
    const SimPlatform& p = program.platform;
    return p.buttonEnabled() && !p.progressVisible() && p.progressValue() == 0 &&
           !p.busyLabelVisible() && program.launcher.interval(Animation::Progress) == 0 &&
           !p.busyPointer();
}

inline bool isWaiting(const SimulatedProgram& program) {
    const SimPlatform& p = program.platform;
    const int interval = program.launcher.interval(Animation::Progress);
    return !p.buttonEnabled() && p.progressVisible() && interval >= 100 && interval <= 199 &&
           p.busyPointer();
}

inline void answerAll(SimPlatform& p, const std::vector<Answer>& answers) {
    for (const Answer answer : answers) {
        p.answer(answer);
    }
}

// Clicks the button and agrees, which leaves the window waiting.
inline void clickAndAgree(SimPlatform& p) {
    answerAll(p, {Answer::Yes, Answer::Ok});
    p.click();
}

// Runs the clock until the launch under way has completed.
inline void runLaunchToEnd(SimulatedProgram& program) {
    program.platform.advanceUntil(
        [&program] { return program.launcher.interval(Animation::Progress) == 0; },
        kLongestLaunchMs);
}

// The boxes shown, from the `from`th on, as entries of the catalogue; one that is none of them
// reads "(not in the catalogue)".
inline std::vector<Box> shownBoxes(const SimPlatform& p, std::size_t from = 0) {
    std::vector<Box> shown;
    for (std::size_t i = from; i < p.boxes().size(); ++i) {
        const ShownBox& box = p.boxes()[i];
        const auto entry =
            std::ranges::find_if(boxes::kAll, [&box](const Box& b) { return box.is(b); });
        shown.push_back(entry != boxes::kAll.end() ? *entry
                                                   : Box{"(not in the catalogue)", box.buttons,
                                                         box.icon, box.defaultAnswer});
    }
    return shown;
}

}  // namespace test
}  // namespace kebo

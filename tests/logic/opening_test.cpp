#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "sim_helpers.h"

namespace kebo {
namespace {

using test::clickAndAgree;
using test::runLaunchToEnd;
using test::startOpened;

SimConfig scaled(double twipsPerPixel, int minOuterWidthPx = 0, FrameMargins frame = {}) {
    SimConfig config;
    config.twipsPerPixel = twipsPerPixel;
    config.minOuterWidthPx = minOuterWidthPx;
    config.frame = frame;
    return config;
}

// The width read back after each tick of the opening animation, up to the tick that stops it.
std::vector<int> openingWidths(SimPlatform& p) {
    std::vector<int> widths;
    p.start();
    while (p.timerInterval(Timer::Timer2) != 0 && widths.size() < 1000) {
        p.advance(kShortestTimerPeriodMs);
        widths.push_back(p.windowWidth());
    }
    return widths;
}

TEST(OpeningAnimation, StopsOnTheFirstTickThatReaches4700AndEndsAt4770) {
    struct Case {
        SimConfig config;
        int firstWidth;  // the first tick grows the window from the smallest size it kept
        std::size_t ticks;
        int widthBeforeLastTick;  // the last tick reads back this + one step, >= 4700
    };
    const Case cases[] = {
        {scaled(1, 0, {0, 0, 0, 0}), 100, 47, 4600},  // reads back exactly 4700
        {scaled(15), 195, 44, 4605},                  // steps of 7 px jump to 4710
        {scaled(9, 100), 999, 39, 4662},              // 100 px minimum; jumps to 4761
    };
    for (const Case& c : cases) {
        SimulatedProgram program(c.config);
        const std::vector<int> widths = openingWidths(program.platform);
        ASSERT_EQ(widths.size(), c.ticks) << "at " << c.config.twipsPerPixel << " twips/px";
        EXPECT_EQ(widths.front(), c.firstWidth);
        EXPECT_EQ(widths[c.ticks - 2], c.widthBeforeLastTick);
        EXPECT_EQ(widths.back(), 4770);

        // Stopped for good: nothing moves any more.
        SimPlatform& p = program.platform;
        const int left = p.windowLeft(), top = p.windowTop(), height = p.windowHeight();
        p.advance(1000);
        EXPECT_EQ(p.windowWidth(), 4770);
        EXPECT_EQ(p.windowLeft(), left);
        EXPECT_EQ(p.windowTop(), top);
        EXPECT_EQ(p.windowHeight(), height);
    }
}

TEST(OpeningAnimation, GrowsAboutTheCentreItStartsFrom) {
    // A tick asks for 100 twips more width and a left edge 50 further out, but the window only
    // takes whole pixels: the width may land half a pixel off (a quarter at the centre) and the
    // left edge half a pixel, so the centre may drift 3/4 pixel a tick at most, and not at all
    // when a pixel divides 25 twips. Height and top alike.
    for (const double twipsPerPixel : {5.0, 15.0}) {
        const double driftPerTick = std::fmod(25, twipsPerPixel) == 0 ? 0 : 0.75 * twipsPerPixel;
        SimulatedProgram program(scaled(twipsPerPixel));
        SimPlatform& p = program.platform;
        p.start();
        const auto centreX = [&p] { return p.windowLeft() + p.windowWidth() / 2.0; };
        const auto centreY = [&p] { return p.windowTop() + p.windowHeight() / 2.0; };
        const double startX = centreX(), startY = centreY();
        // The last tick sets the final width keeping the left edge; it is not a growing step.
        for (int tick = 1; p.timerInterval(Timer::Timer2) != 0; ++tick) {
            p.advance(kShortestTimerPeriodMs);
            if (p.timerInterval(Timer::Timer2) != 0) {
                ASSERT_LE(std::abs(centreX() - startX), tick * driftPerTick) << "tick " << tick;
                ASSERT_LE(std::abs(centreY() - startY), tick * driftPerTick) << "tick " << tick;
            }
        }
    }
}

TEST(DirectoryQueries, KeepTheWholeBufferAndTheLengthReturned) {
    const std::string fits(49, 'w');  // with its terminating zero exactly the 50-byte buffer
    SimConfig config;
    config.windowsDirectory = fits;
    config.systemDirectory = std::string(50, 's');
    SimulatedProgram program(config);
    program.platform.start();
    const LauncherState& s = program.form.state();
    EXPECT_EQ(s.windowsDirLength, 49);
    EXPECT_EQ(s.windowsDir, fits + '\0');
    EXPECT_EQ(s.systemDirLength, 51);  // the size it would need; nothing was written
    EXPECT_EQ(s.systemDir, std::string(50, ' '));

    config.windowsDirectory = config.systemDirectory = std::string(40000, 'x');
    SimulatedProgram huge(config);
    huge.platform.start();
    EXPECT_EQ(huge.form.state().windowsDirLength, 40001);
    EXPECT_EQ(huge.form.state().systemDirLength, 40001 - 65536);  // kept in 16 bits
}

TEST(DirectoryQueries, AreReadOnceAtLoad) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    p.setDirectories("D:\\ELSEWHERE", "D:\\ELSEWHERE\\system");
    clickAndAgree(p);
    p.answer(kAnswerNo);
    p.answer(kAnswerOk);
    p.answer(kAnswerOk);
    runLaunchToEnd(p);
    EXPECT_EQ(p.testedPaths(), (std::vector<std::string>{
                                   "C:\\WINDOWS\\mspaint.exe", "C:\\WINDOWS\\system32\\mspaint.exe",
                                   "C:\\WINDOWS\\paint.exe", "C:\\WINDOWS\\system32\\paint.exe"}));
}

}  // namespace
}  // namespace kebo

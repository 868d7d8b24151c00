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
using test::startShown;

SimConfig scaled(double twipsPerPixel, int minOuterWidthPx = 0, FrameMargins frame = {},
                 int reportLagMs = 0) {
    SimConfig config;
    config.twipsPerPixel = twipsPerPixel;
    config.minOuterWidthPx = minOuterWidthPx;
    config.frame = frame;
    config.reportLagMs = reportLagMs;
    return config;
}

constexpr FrameMargins kNoFrame{0, 0, 0, 0};

// The width read back after each tick of the opening animation, up to the tick that stops it.
std::vector<int> openingWidths(SimPlatform& p) {
    std::vector<int> widths;
    startShown(p);
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
        {scaled(15, 0, kNoFrame), 100, 47, 4600},      // reads back exactly 4700
        {scaled(15, 0, kNoFrame, 25), 100, 47, 4600},  // X11's late reports change nothing
        {scaled(15), 190, 47, 4690},                   // held at its 6 px frame: 4790
        {scaled(9, 100), 1000, 38, 4600},              // held at a 100 px minimum
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
        const PixelRect window = p.windowRect();
        const int left = p.windowLeft(), top = p.windowTop(), height = p.windowHeight();
        p.advance(1000);
        EXPECT_EQ(p.windowWidth(), 4770);
        EXPECT_EQ(p.windowLeft(), left);
        EXPECT_EQ(p.windowTop(), top);
        EXPECT_EQ(p.windowHeight(), height);
        EXPECT_EQ(p.windowRect(), window);
        EXPECT_EQ(window.width, static_cast<int>(std::lround(4770 / c.config.twipsPerPixel)));
    }
}

TEST(OpeningAnimation, GrowsAboutTheCentreInOneWindowChangeATick) {
    // The window takes whole pixels, its edges rounded: its centre stays within a pixel of where
    // it was shown. The last tick adds 70 twips on the right only.
    for (const SimConfig& config : {scaled(15), scaled(12), scaled(9, 0, kNoFrame, 25)}) {
        SimulatedProgram program(config);
        SimPlatform& p = program.platform;
        startShown(p);
        const auto centreX2 = [&p] { return 2 * p.windowRect().left + p.windowRect().width; };
        const auto centreY2 = [&p] { return 2 * p.windowRect().top + p.windowRect().height; };
        const int startX2 = centreX2(), startY2 = centreY2();
        EXPECT_NEAR(startX2, config.screenWidthPx, 1);
        EXPECT_NEAR(startY2, config.screenHeightPx, 1);
        const int changesAtShow = p.windowChanges();
        int ticks = 0;
        while (p.timerInterval(Timer::Timer2) != 0) {
            p.advance(kShortestTimerPeriodMs);
            ++ticks;
            const double lastStep = p.timerInterval(Timer::Timer2) == 0 ? 70 : 0;
            ASSERT_LE(std::abs(centreX2() - startX2), 2 + lastStep / config.twipsPerPixel)
                << "tick " << ticks;
            ASSERT_LE(std::abs(centreY2() - startY2), 2) << "tick " << ticks;
        }
        EXPECT_EQ(p.windowChanges() - changesAtShow, ticks);
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

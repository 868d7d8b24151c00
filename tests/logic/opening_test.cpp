#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "sim_helpers.h"

namespace kebo {
namespace {

using test::startOpened;
using test::startShown;

constexpr FrameMargins kNoFrame{0, 0, 0, 0};

// The width read back after each tick of the opening animation, up to the tick that stops it.
std::vector<int> openingWidths(SimulatedProgram& program) {
    std::vector<int> widths;
    startShown(program);
    while (program.launcher.interval(Animation::Opening) != 0 && widths.size() < 1000) {
        program.platform.advance(kShortestTimerPeriodMs);
        widths.push_back(program.launcher.window().width);
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
        // Reads back exactly 4700.
        {{.twipsPerPixel = 15, .frame = kNoFrame}, 100, 47, 4600},
        // X11's late reports change nothing, however many changes are on their way back.
        {{.twipsPerPixel = 15, .frame = kNoFrame, .reportLagMs = 25}, 100, 47, 4600},
        {{.twipsPerPixel = 15, .frame = kNoFrame, .reportLagMs = 100}, 100, 47, 4600},
        // Held at its 6 px frame: 4790.
        {{.twipsPerPixel = 15, .frame = {}}, 190, 47, 4690},
        // Held at a 100 px minimum.
        {{.twipsPerPixel = 9, .frame = {}, .minOuterWidthPx = 100}, 1000, 38, 4600},
    };
    for (const Case& c : cases) {
        SimulatedProgram program(c.config);
        const std::vector<int> widths = openingWidths(program);
        ASSERT_EQ(widths.size(), c.ticks) << "at " << c.config.twipsPerPixel << " twips/px";
        EXPECT_EQ(widths.front(), c.firstWidth);
        EXPECT_EQ(widths[c.ticks - 2], c.widthBeforeLastTick);
        EXPECT_EQ(widths.back(), 4770);

        // Stopped for good: nothing moves any more.
        SimPlatform& p = program.platform;
        const PixelRect window = p.windowRect();
        const TwipsRect record = program.launcher.window();
        p.advance(1000);
        EXPECT_EQ(program.launcher.window(), record);
        EXPECT_EQ(p.windowRect(), window);
        EXPECT_EQ(window.width, static_cast<int>(std::lround(4770 / c.config.twipsPerPixel)));
    }
}

TEST(OpeningAnimation, GrowsAboutTheCentreOfTheWorkAreaInOneWindowChangeATick) {
    // The window takes whole pixels, its edges rounded: its centre stays within a pixel of where
    // it was shown. The last tick adds 70 twips on the right only.
    const SimConfig configs[] = {
        {.twipsPerPixel = 15, .frame = {}},
        {.twipsPerPixel = 12, .frame = {}},
        {.twipsPerPixel = 9, .frame = kNoFrame, .reportLagMs = 25},
        // A second monitor right of the first, below a panel.
        {.twipsPerPixel = 15, .workArea = {1280, 24, 1920, 1056}, .frame = {}},
        // Framed only once shown: centred again at the size it then has.
        {.twipsPerPixel = 15, .frame = {}, .frameAddedAtShow = true},
    };
    for (const SimConfig& config : configs) {
        SimulatedProgram program(config);
        SimPlatform& p = program.platform;
        startShown(program);
        const auto centreX2 = [&p] { return 2 * p.windowRect().left + p.windowRect().width; };
        const auto centreY2 = [&p] { return 2 * p.windowRect().top + p.windowRect().height; };
        const int startX2 = centreX2(), startY2 = centreY2();
        EXPECT_NEAR(startX2, 2 * config.workArea.left + config.workArea.width, 1);
        EXPECT_NEAR(startY2, 2 * config.workArea.top + config.workArea.height, 1);
        // Shrunk and centred at load, and centred again when framed late; a rectangle the window
        // has already is not asked for again.
        const int changesAtShow = p.windowChanges();
        EXPECT_EQ(changesAtShow, config.frameAddedAtShow ? 3 : 2);
        int ticks = 0;
        while (program.launcher.interval(Animation::Opening) != 0) {
            p.advance(kShortestTimerPeriodMs);
            ++ticks;
            const double lastStep = program.launcher.interval(Animation::Opening) == 0 ? 70 : 0;
            ASSERT_LE(std::abs(centreX2() - startX2), 2 + lastStep / config.twipsPerPixel)
                << "tick " << ticks;
            ASSERT_LE(std::abs(centreY2() - startY2), 2) << "tick " << ticks;
        }
        EXPECT_EQ(p.windowChanges() - changesAtShow, ticks);
    }
}

// Moved to a screen of another DPI, the window keeps its size in inches at the place suggested.
TEST(Window, ADpiChangeKeepsTheSizeInTwipsAtTheSuggestedPlace) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    const TwipsRect before = program.launcher.window();
    p.changeScale(10, {300, 200, 480, before.height / 10});
    const TwipsRect expected{3000, 2000, before.width, before.height};
    EXPECT_EQ(program.launcher.window(), expected);
    EXPECT_EQ(p.windowRect(), toPixels(expected, 10));
    p.advance(1000);
    EXPECT_EQ(program.launcher.window(), expected);
}

}  // namespace
}  // namespace kebo

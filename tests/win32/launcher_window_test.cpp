// The launcher window's Win32 side in the test's own process: geometry in twips, the lifted
// minimum size, the timers, the red label and the close reasons.
#include <gtest/gtest.h>

#include "launcher_stack.h"
#include "platform/win32/timer_ids.h"

namespace kebo::win32 {
namespace {

// Wine and a fresh Windows both start at 96 DPI: 15 twips to the pixel.
constexpr int kTwipsPerPixel = 15;

using LauncherWindow = LauncherStack;

TEST_F(LauncherWindow, GeometryIsInTwipsOfTheWindowsDpi) {
    ASSERT_DOUBLE_EQ(frame->twipsPerPixel(), kTwipsPerPixel);
    platform->setWindowWidth(4770);
    platform->setWindowHeight(1500);
    platform->setWindowLeft(1500);
    platform->setWindowTop(3000);
    RECT outer{};
    GetWindowRect(window(), &outer);
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 200);
    EXPECT_EQ(outer.right - outer.left, 318);
    EXPECT_EQ(outer.bottom - outer.top, 100);
    EXPECT_EQ(platform->windowWidth(), 4770);

    // A new left edge keeps the top and the size.
    platform->moveWindow(750);
    EXPECT_EQ(platform->windowLeft(), 750);
    EXPECT_EQ(platform->windowTop(), 3000);
    EXPECT_EQ(platform->windowWidth(), 4770);
    EXPECT_EQ(platform->windowHeight(), 1500);

    // Whole pixels only: 1705 twips is 113.7 pixels.
    platform->setWindowWidth(1705);
    EXPECT_EQ(platform->windowWidth(), 114 * kTwipsPerPixel);
}

// Start-up makes the window nothing at all and the farewell shrinks it below Windows' usual
// minimum for a captioned window.
TEST_F(LauncherWindow, TheWindowCanBeMadeSmallerThanItsCaption) {
    platform->setWindowWidth(0);
    platform->setWindowHeight(0);
    EXPECT_EQ(platform->windowWidth(), 0);
    EXPECT_EQ(platform->windowHeight(), 0);
    platform->setWindowWidth(1500);
    platform->setWindowHeight(-30);
    EXPECT_EQ(platform->windowWidth(), 1500);
    EXPECT_EQ(platform->windowHeight(), 0);
}

TEST_F(LauncherWindow, TheWindowShowsTheProgramsIconLargeAndSmall) {
    EXPECT_NE(GetClassLongPtrW(window(), GCLP_HICON), 0U);
    EXPECT_NE(GetClassLongPtrW(window(), GCLP_HICONSM), 0U);
}

bool waitForTick(HWND window, UINT_PTR id, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        MSG message;
        while (PeekMessageW(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE) != FALSE) {
            if (message.wParam == id) {
                return true;
            }
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_TIMER);
    }
    return false;
}

TEST_F(LauncherWindow, EachTimerTicksOnTheWindowWithItsOwnIdUntilStopped) {
    for (const Timer timer : {Timer::Timer1, Timer::Timer2, Timer::Timer3}) {
        const UINT_PTR id = timerId(timer);
        SCOPED_TRACE(id);
        EXPECT_EQ(timerForId(id), timer);
        platform->setTimerInterval(timer, 20);
        EXPECT_TRUE(waitForTick(window(), id, 2000));
        platform->setTimerInterval(timer, 0);
        waitForTick(window(), id, 0);
        EXPECT_FALSE(waitForTick(window(), id, 100));
    }
    EXPECT_EQ(timerForId(0), std::nullopt);
    EXPECT_EQ(timerForId(4), std::nullopt);
}

// Asked for 1 ms, a timer ticks every 10 ms: about 30 ticks in 300 ms, never hundreds.
TEST_F(LauncherWindow, ATimerTicksAtMostEveryTenMilliseconds) {
    platform->setTimerInterval(Timer::Timer3, 1);
    int ticks = 0;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 300) {
        ticks += waitForTick(window(), timerId(Timer::Timer3), 50) ? 1 : 0;
    }
    platform->setTimerInterval(Timer::Timer3, 0);
    EXPECT_GT(ticks, 0);
    EXPECT_LE(ticks, 40);
}

TEST_F(LauncherWindow, TheLabelIsPureRedInAJapaneseFontOfFourteenAndAQuarterPoints) {
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(frame->label()));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
    DeleteDC(dc);

    const auto font = reinterpret_cast<HFONT>(SendMessageW(frame->label(), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW description{};
    ASSERT_NE(GetObjectW(font, sizeof description, &description), 0);
    EXPECT_EQ(description.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(description.lfHeight, -19);  // 14.25 pt at 96 DPI
}

TEST_F(LauncherWindow, TheUsersCloseIsRefusedWithoutABoxWhileALaunchIsUnderWay) {
    platform->setTimerInterval(Timer::Timer1, 1000);
    SendMessageW(window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_NE(IsWindow(window()), FALSE);
}

// A close from outside and the end of the session end the process at once, even while a launch
// is under way (when the user's own close would be refused and the test would go on).
TEST_F(LauncherWindow, ACloseFromOutsideEndsTheProgramAtOnce) {
    platform->setTimerInterval(Timer::Timer1, 1000);
    EXPECT_EXIT(SendMessageW(window(), WM_CLOSE, 0, 0), ::testing::ExitedWithCode(0), "");
}

TEST_F(LauncherWindow, TheEndOfTheSessionEndsTheProgramAtOnce) {
    platform->setTimerInterval(Timer::Timer1, 1000);
    EXPECT_EXIT(SendMessageW(window(), WM_QUERYENDSESSION, 0, 0), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace kebo::win32

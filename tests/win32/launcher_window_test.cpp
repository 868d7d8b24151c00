// The launcher window's Win32 side in the test's own process: geometry in twips and a new DPI,
// the lifted minimum size, the opening, the timers, the red label and the close reasons.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "launcher_stack.h"
#include "platform/win32/timer_ids.h"

namespace kebo::win32 {
namespace {

// Wine and a fresh Windows both start at 96 DPI: 15 twips to the pixel.
constexpr int kTwipsPerPixel = 15;

using LauncherWindow = LauncherStack;

RECT outerOf(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    return outer;
}

// The record reads back exactly what was written; the window takes it in one change, its edges
// rounded to whole pixels; a change from outside comes back in.
TEST_F(LauncherWindow, GeometryIsInTwipsOfTheWindowsDpi) {
    ASSERT_DOUBLE_EQ(frame->twipsPerPixel(), kTwipsPerPixel);
    const RECT loaded = outerOf(window());
    platform->setWindowWidth(4770);
    platform->setWindowHeight(1500);
    platform->setWindowLeft(1500);
    platform->setWindowTop(3000);
    EXPECT_EQ(outerOf(window()).right, loaded.right) << "applied before its time";
    platform->applyWindowGeometry();
    RECT outer = outerOf(window());
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 200);
    EXPECT_EQ(outer.right - outer.left, 318);
    EXPECT_EQ(outer.bottom - outer.top, 100);

    // 1705 twips at 750 is 113.7 pixels from 50: the right edge at 163.7 rounds to 164.
    platform->moveWindow(750);
    platform->setWindowWidth(1705);
    platform->applyWindowGeometry();
    EXPECT_EQ(platform->windowWidth(), 1705);
    EXPECT_EQ(platform->windowTop(), 3000);
    outer = outerOf(window());
    EXPECT_EQ(outer.left, 50);
    EXPECT_EQ(outer.right, 164);

    // Moved by the user: the record takes the new place over, and keeps its size.
    SetWindowPos(window(), nullptr, 300, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(platform->windowLeft(), 4500);
    EXPECT_EQ(platform->windowTop(), 6000);
    EXPECT_EQ(platform->windowWidth(), 1705);
}

// Moved to a monitor of 144 DPI: the window keeps its size in twips at the place Windows
// suggests, and its controls and fonts are made anew for the DPI.
TEST_F(LauncherWindow, ANewDpiKeepsTheSizeInTwipsAndRescalesControlsAndFonts) {
    platform->setWindowWidth(4770);
    platform->setWindowHeight(2400);
    platform->applyWindowGeometry();
    RECT suggested{200, 300, 700, 600};
    SendMessageW(window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_DOUBLE_EQ(platform->twipsPerPixel(), 10);
    EXPECT_EQ(platform->windowWidth(), 4770);
    EXPECT_EQ(platform->windowHeight(), 2400);
    EXPECT_EQ(platform->windowLeft(), 2000);
    const RECT outer = outerOf(window());
    EXPECT_EQ(outer.left, 200);
    EXPECT_EQ(outer.top, 300);
    EXPECT_EQ(outer.right - outer.left, 477);
    EXPECT_EQ(outer.bottom - outer.top, 240);

    const RECT button = outerOf(frame->button());
    EXPECT_EQ(button.right - button.left, 326);  // 3255 twips
    LOGFONTW label{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(frame->label(), WM_GETFONT, 0, 0)),
               sizeof label, &label);
    EXPECT_EQ(label.lfHeight, -29);  // 14.25 pt at 144 DPI
}

// Start-up makes the window nothing at all and the farewell shrinks it below Windows' usual
// minimum for a captioned window.
TEST_F(LauncherWindow, TheWindowCanBeMadeSmallerThanItsCaption) {
    platform->setWindowWidth(0);
    platform->setWindowHeight(0);
    platform->applyWindowGeometry();
    RECT outer = outerOf(window());
    EXPECT_EQ(outer.right - outer.left, 0);
    EXPECT_EQ(outer.bottom - outer.top, 0);
    EXPECT_EQ(platform->windowWidth(), 0);
    platform->setWindowWidth(1500);
    platform->setWindowHeight(-30);
    platform->applyWindowGeometry();
    outer = outerOf(window());
    EXPECT_EQ(outer.right - outer.left, 100);
    EXPECT_EQ(platform->windowHeight(), 0);
}

// The window whose moves and resizes are counted, and how many it has had: each reaches it as one
// WM_WINDOWPOSCHANGED. (A hook has no context of its own.)
HWND countedWindow = nullptr;
int placeChanges = 0;

LRESULT CALLBACK countPlaceChanges(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == countedWindow && call->message == WM_WINDOWPOSCHANGED) {
        const auto* place = reinterpret_cast<const WINDOWPOS*>(call->lParam);
        const UINT unchanged = SWP_NOMOVE | SWP_NOSIZE;
        placeChanges += (place->flags & unchanged) != unchanged ? 1 : 0;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The program's opening: 47 ticks of Timer2, asked for at 1 ms (the 10 ms floor applies), each
// changing the window once, moved up and left and made larger at once, about the centre of the
// window as it was first shown. Wine holds it at a client area of 1 x 1 pixel at first, its
// top-left kept; the window grows about the centre of that.
TEST_F(LauncherWindow, TheOpeningGrowsAboutTheCentreInFortySevenTicks) {
    countedWindow = window();
    HHOOK hook =
        SetWindowsHookExW(WH_CALLWNDPROCRET, countPlaceChanges, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    events->start();
    EXPECT_EQ(platform->timerInterval(Timer::Timer2), 1);
    std::optional<RECT> shown;
    std::vector<int> changesPerTick;
    int grownTicks = 0;
    const DWORD start = GetTickCount();
    MSG message;
    while (platform->timerInterval(Timer::Timer2) != 0 && GetTickCount() - start < 10'000) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) == FALSE) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        } else if (message.message == WM_TIMER && message.wParam == timerId(Timer::Timer2)) {
            const RECT before = outerOf(window());
            const int changesBefore = placeChanges;
            DispatchMessageW(&message);
            changesPerTick.push_back(placeChanges - changesBefore);
            const RECT after = outerOf(window());
            grownTicks += after.left < before.left && after.top < before.top &&
                                  after.right - after.left > before.right - before.left &&
                                  after.bottom - after.top > before.bottom - before.top
                              ? 1
                              : 0;
        } else {
            DispatchMessageW(&message);
        }
        RECT client{};
        GetClientRect(window(), &client);
        if (!shown && IsRectEmpty(&client) == FALSE) {
            shown = outerOf(window());
        }
    }
    UnhookWindowsHookEx(hook);
    ASSERT_TRUE(shown);
    EXPECT_EQ(changesPerTick, std::vector<int>(47, 1));
    EXPECT_EQ(grownTicks, 47);
    const RECT outer = outerOf(window());
    EXPECT_EQ(outer.right - outer.left, 318);
    // Centres doubled, in whole pixels: the last tick adds 70 twips on the right only.
    const long driftX2 = outer.left + outer.right - (shown->left + shown->right);
    const long driftY2 = outer.top + outer.bottom - (shown->top + shown->bottom);
    EXPECT_LE(std::abs(driftX2), 8);
    EXPECT_LE(std::abs(driftY2), 8);
    std::printf("opening: %ldx%ld px, centre off by %ld,%ld half pixels from %ld,%ld %ldx%ld\n",
                outer.right - outer.left, outer.bottom - outer.top, driftX2, driftY2, shown->left,
                shown->top, shown->right - shown->left, shown->bottom - shown->top);
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
    // Timers tick once the window is on the screen.
    platform->showWindowCentred();
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
    platform->showWindowCentred();
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

// Asked whether the session may end, kebo agrees and goes on; an end called off leaves it as it
// was, without a box (which would hold the test here). Only the end itself ends it, at once, even
// during a launch. Each part runs in a process of its own: kebo's end would end the test's too.
TEST_F(LauncherWindow, OnlyTheEndOfTheSessionItselfEndsTheProgram) {
    EXPECT_EXIT(
        {
            const LRESULT agreed = SendMessageW(window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
            SendMessageW(window(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
            std::fprintf(stderr, "agreed %d, window %d", static_cast<int>(agreed),
                         IsWindow(window()));
            std::exit(1);
        },
        ::testing::ExitedWithCode(1), "agreed 1, window 1");
    platform->setTimerInterval(Timer::Timer1, 1000);
    EXPECT_EXIT(SendMessageW(window(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF),
                ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace kebo::win32

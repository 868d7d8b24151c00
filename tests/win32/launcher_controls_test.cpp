// The window's controls, pointer and state as the logic sets them.
#include <gtest/gtest.h>

#include "launcher_stack.h"

namespace kebo::win32 {
namespace {

using LauncherControls = LauncherStack;

// Its own visibility: the window around it is not shown in these tests.
bool shown(HWND control) {
    return (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

TEST_F(LauncherControls, TheProgressBarRunsFromZeroToTenThousand) {
    PBRANGE range{};
    SendMessageW(frame->progressBar(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 10000);
    platform->setProgressBarValue(7630);
    EXPECT_EQ(SendMessageW(frame->progressBar(), PBM_GETPOS, 0, 0), 7630);
    platform->setProgressBarVisible(true);
    EXPECT_TRUE(shown(frame->progressBar()));
    platform->setProgressBarVisible(false);
    EXPECT_FALSE(shown(frame->progressBar()));
}

TEST_F(LauncherControls, TheHourglassCoversTheWindowAndItsControlsUntilReset) {
    const HCURSOR hourglass = LoadCursorW(nullptr, IDC_WAIT);
    for (HWND over : {window(), frame->button()}) {
        platform->setMousePointer(MousePointer::Hourglass);
        SetCursor(nullptr);
        EXPECT_EQ(SendMessageW(window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(over),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                  TRUE);
        EXPECT_EQ(GetCursor(), hourglass);

        platform->setMousePointer(MousePointer::Default);
        SetCursor(nullptr);
        SendMessageW(window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(over),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_NE(GetCursor(), hourglass);
    }
}

TEST_F(LauncherControls, TheWindowIsShownCentredAndCanBeMinimised) {
    platform->setWindowWidth(4770);
    platform->setWindowHeight(2350);
    platform->showWindowCentred();
    ASSERT_NE(IsWindowVisible(window()), FALSE);
    RECT outer{};
    GetWindowRect(window(), &outer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_NEAR(outer.left + outer.right, monitor.rcWork.left + monitor.rcWork.right, 1);
    EXPECT_NEAR(outer.top + outer.bottom, monitor.rcWork.top + monitor.rcWork.bottom, 1);

    platform->setWindowState(WindowState::Minimised);
    EXPECT_NE(IsIconic(window()), FALSE);
    platform->setWindowState(WindowState::Normal);
    EXPECT_EQ(IsIconic(window()), FALSE);
}

}  // namespace
}  // namespace kebo::win32

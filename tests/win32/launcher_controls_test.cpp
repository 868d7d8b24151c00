// The window's controls, pointer and state as the launcher sets them.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "launcher_stack.h"
#include "message_box_reader.h"

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
    platform->setProgressValue(7630);
    EXPECT_EQ(SendMessageW(frame->progressBar(), PBM_GETPOS, 0, 0), 7630);
    platform->setProgressVisible(true);
    EXPECT_TRUE(shown(frame->progressBar()));
    platform->setProgressVisible(false);
    EXPECT_FALSE(shown(frame->progressBar()));
}

TEST_F(LauncherControls, TheHourglassCoversTheWindowAndItsControlsUntilReset) {
    const HCURSOR hourglass = LoadCursorW(nullptr, IDC_WAIT);
    for (HWND over : {window(), frame->button()}) {
        platform->setBusyPointer(true);
        SetCursor(nullptr);
        EXPECT_EQ(SendMessageW(window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(over),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                  TRUE);
        EXPECT_EQ(GetCursor(), hourglass);

        platform->setBusyPointer(false);
        SetCursor(nullptr);
        SendMessageW(window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(over),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_NE(GetCursor(), hourglass);
    }
}

TEST_F(LauncherControls, TheWindowIsShownCentredOnTheWorkAreaAndCanBeMinimised) {
    launcher->start();
    ASSERT_NE(IsWindowVisible(window()), FALSE);
    // Windows reports the shown window at once.
    EXPECT_TRUE(launcher->onScreen());
    RECT outer{};
    GetWindowRect(window(), &outer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_NEAR(outer.left + outer.right, monitor.rcWork.left + monitor.rcWork.right, 1);
    EXPECT_NEAR(outer.top + outer.bottom, monitor.rcWork.top + monitor.rcWork.bottom, 1);

    platform->minimiseWindow();
    EXPECT_NE(IsIconic(window()), FALSE);
}

// The box open now, read and answered by a timer of the test's thread, which ticks in the box's
// own message loop. (A timer procedure has no context of its own.)
struct BoxToAnswer {
    Answer answer;
    std::optional<MessageBoxView> seen;
    int looks = 0;
};
BoxToAnswer* boxToAnswer = nullptr;

void CALLBACK readAndAnswerBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = findMessageBox(GetCurrentProcessId(), L"KEBO");
    if (box == nullptr || boxToAnswer->seen) {
        return;
    }
    const MessageBoxView view = readMessageBox(box);
    // The icon may still be being drawn; after 2 s the box is answered as it is.
    if (!view.icon && ++boxToAnswer->looks < 100) {
        return;
    }
    boxToAnswer->seen = view;
    answerMessageBox(box, boxToAnswer->answer);
}

// Every icon, both sets of buttons, either default and every answer once: without a window
// manager, Wine takes 2 s to close each box.
TEST_F(LauncherControls, ABoxShowsItsIconButtonsAndDefaultOverTheWindowAndGivesTheAnswer) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, readAndAnswerBox);
    for (const auto& [box, answer] :
         {std::pair{boxes::kAskQuit, Answer::Yes}, std::pair{boxes::kReadyAskOpen, Answer::No},
          std::pair{boxes::kForcePaint, Answer::Ok}, std::pair{boxes::kSeeYou, Answer::Ok}}) {
        SCOPED_TRACE(box.text);
        BoxToAnswer given{answer, std::nullopt};
        boxToAnswer = &given;
        EXPECT_EQ(platform->showBox(box), answer);
        ASSERT_TRUE(given.seen);
        EXPECT_EQ(given.seen->text, box.text);
        EXPECT_EQ(given.seen->owner, window());
        EXPECT_EQ(given.seen->icon, box.icon);
        const std::vector<Answer> yesNo{Answer::Yes, Answer::No};
        EXPECT_EQ(given.seen->buttons,
                  box.buttons == Buttons::YesNo ? yesNo : std::vector<Answer>{Answer::Ok});
        EXPECT_EQ(given.seen->defaultButton, box.defaultAnswer);
    }
    KillTimer(nullptr, timer);
}

}  // namespace
}  // namespace kebo::win32

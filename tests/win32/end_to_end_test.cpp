// kebo.exe driven from outside as a user would drive it: the opening, a launch that starts the
// stub NOTEPAD.EXE, the closing dialogue through to the farewell, and the closes from outside.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "kebo_process.h"
#include "message_box_reader.h"
#include "platform/launcher_description.h"

namespace kebo::win32::end_to_end {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr wchar_t kBoxCaption[] = L"KEBO";
constexpr int kGrownWidthTwips = 4770;

double twipsPerPixel() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return 1440.0 / dpi;
}

RECT outerOf(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    return outer;
}

int widthOf(HWND window) {
    const RECT outer = outerOf(window);
    return outer.right - outer.left;
}

// Twice the distance between two rectangles' centres, the larger of across and down.
long centreDrift2(const RECT& a, const RECT& b) {
    return std::max(std::abs(a.left + a.right - b.left - b.right),
                    std::abs(a.top + a.bottom - b.top - b.bottom));
}

HWND childOfClass(HWND parent, const wchar_t* windowClass) {
    return FindWindowExW(parent, nullptr, windowClass, nullptr);
}

int progressOf(HWND progressBar) {
    DWORD_PTR position = 0;
    SendMessageTimeoutW(progressBar, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 1000, &position);
    return static_cast<int>(position);
}

class EndToEnd : public ::testing::Test {
protected:
    explicit EndToEnd(NotepadPlace notepadPlace = NotepadPlace::ProgramFolder)
        : kebo(notepadPlace) {}

    // Waits until the launcher window has finished its opening growth.
    HWND waitForGrownWindow() {
        HWND window = nullptr;
        EXPECT_TRUE(waitFor([&] { return (window = kebo.launcherWindow()) != nullptr; }, 20s));
        if (window == nullptr) {
            return nullptr;
        }
        int smallest = widthOf(window);
        int last = -1;
        auto steadySince = Clock::now();
        waitFor(
            [&] {
                const int width = widthOf(window);
                smallest = std::min(smallest, width);
                if (width != last) {
                    last = width;
                    steadySince = Clock::now();
                }
                return width > 0 && Clock::now() - steadySince > 500ms;
            },
            20s);
        EXPECT_LT(smallest, last) << "the window did not grow";
        return window;
    }

    // Waits for the next box, checks that it is the one expected and answers it. How each box
    // looks is the backend's tests' concern.
    void answer(HWND launcher, const Box& expected, Answer answer) {
        SCOPED_TRACE(expected.text);
        HWND box = nullptr;
        ASSERT_TRUE(waitFor(
            [&] {
                box = findMessageBox(kebo.id(), kBoxCaption);
                return box != nullptr && box != lastBox_;
            },
            30s));
        const MessageBoxView view = readMessageBox(box);
        EXPECT_EQ(view.text, expected.text);
        EXPECT_EQ(view.owner, launcher);

        answerMessageBox(box, answer);
        ASSERT_TRUE(waitFor([&] { return IsWindow(box) == FALSE; }, 5s));
        lastBox_ = box;
    }

    // Clicks the button and answers through the launch until the program has been started and
    // the window is idle again.
    void launch(HWND launcher) {
        HWND button = childOfClass(launcher, L"Button");
        HWND progressBar = childOfClass(launcher, L"msctls_progress32");
        ASSERT_NE(button, nullptr);
        ASSERT_NE(progressBar, nullptr);
        PostMessageW(button, BM_CLICK, 0, 0);
        answer(launcher, boxes::kAskOpen, Answer::Yes);
        answer(launcher, boxes::kPleaseWait, Answer::Ok);
        // The box is gone a moment before kebo goes on to disable the button.
        EXPECT_TRUE(waitFor([&] { return IsWindowEnabled(button) == FALSE; }, 5s));

        // The bar creeps up until the program is ready.
        std::vector<int> positions{0};
        waitFor(
            [&] {
                const int position = progressOf(progressBar);
                if (position != positions.back()) {
                    positions.push_back(position);
                }
                return findMessageBox(kebo.id(), kBoxCaption) != nullptr;
            },
            60s);
        EXPECT_GE(positions.size(), 10U);
        EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
        EXPECT_LE(positions.back(), 10000);
        answer(launcher, boxes::kReadyAskOpen, Answer::Yes);
        EXPECT_TRUE(waitFor([&] { return IsWindowEnabled(button) != FALSE; }, 5s));
    }

    HWND waitForBox() {
        HWND box = nullptr;
        EXPECT_TRUE(waitFor(
            [&] { return (box = findMessageBox(kebo.id(), kBoxCaption)) != nullptr; }, 10s));
        return box;
    }

    KeboProcess kebo;
    HWND lastBox_ = nullptr;
};

TEST_F(EndToEnd, ALaunchThenTheClosingDialogueThroughToTheFarewell) {
    const auto start = Clock::now();
    HWND launcher = waitForGrownWindow();
    ASSERT_NE(launcher, nullptr);
    const double perPixel = twipsPerPixel();
    EXPECT_EQ(widthOf(launcher), static_cast<int>(kGrownWidthTwips / perPixel + 0.5));
    // A fixed single border with a minimise box and no maximise box.
    const auto style = static_cast<DWORD>(GetWindowLongW(launcher, GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
              static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));

    launch(launcher);
    EXPECT_TRUE(waitFor([&] { return !kebo.notepadMarker().empty(); }, 20s));
    // In a normal window, and without the launcher's own setting for its program search.
    EXPECT_EQ(kebo.notepadMarker(), "started, show " + std::to_string(SW_SHOWNORMAL) + "\n");

    // Moved elsewhere, as by the user; the farewell shrinks it about its new centre.
    const RECT before = outerOf(launcher);
    SetWindowPos(launcher, nullptr, before.left - 200, before.top + 100, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT moved = outerOf(launcher);
    ASSERT_EQ(moved.left, before.left - 200);

    PostMessageW(launcher, WM_SYSCOMMAND, SC_CLOSE, 0);
    answer(launcher, boxes::kAskQuit, Answer::Yes);
    answer(launcher, boxes::kAskQuitReally, Answer::Yes);
    answer(launcher, boxes::kAskRelaunch, Answer::No);
    answer(launcher, boxes::kAskCancelClose, Answer::No);
    answer(launcher, boxes::kAskGoodbye, Answer::Yes);
    const int widthBefore = widthOf(launcher);
    answer(launcher, boxes::kSeeYou, Answer::Ok);
    const auto farewellStart = Clock::now();

    int narrowest = widthBefore;
    long farewellDrift2 = 0;
    std::optional<DWORD> exitCode;
    waitFor(
        [&] {
            if (IsWindow(launcher) != FALSE && IsIconic(launcher) == FALSE) {
                narrowest = std::min(narrowest, widthOf(launcher));
                farewellDrift2 = std::max(farewellDrift2, centreDrift2(outerOf(launcher), moved));
            }
            return (exitCode = kebo.waitForExit(0ms)).has_value();
        },
        20s);
    const auto end = Clock::now();
    ASSERT_TRUE(exitCode.has_value());
    EXPECT_EQ(*exitCode, 0U);
    EXPECT_LT(narrowest, widthBefore) << "the window did not shrink";
    EXPECT_LE(farewellDrift2, 8);
    std::printf(
        "farewell about the moved centre: off by %ld half pixels, %lld ms; whole run: "
        "%lld ms\n",
        farewellDrift2, static_cast<long long>((end - farewellStart) / 1ms),
        static_cast<long long>((end - start) / 1ms));
}

class EndToEndWithNotepadPlanted : public EndToEnd {
protected:
    EndToEndWithNotepadPlanted() : EndToEnd(NotepadPlace::CurrentDirectory) {}
};

// A NOTEPAD.EXE in the current directory is never started (the system's own is).
TEST_F(EndToEndWithNotepadPlanted, ANotepadInTheCurrentDirectoryIsNotStarted) {
    HWND launcher = waitForGrownWindow();
    ASSERT_NE(launcher, nullptr);
    launch(launcher);
    EXPECT_FALSE(waitFor([&] { return !kebo.notepadMarker().empty(); }, 3s));
}

TEST_F(EndToEnd, TaskkillEndsTheProgramAtOnce) {
    ASSERT_NE(waitForGrownWindow(), nullptr);
    std::wstring commandLine = L"taskkill.exe /PID " + std::to_wstring(kebo.id());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION taskkill{};
    ASSERT_NE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &taskkill),
              FALSE);
    WaitForSingleObject(taskkill.hProcess, 10000);
    CloseHandle(taskkill.hThread);
    CloseHandle(taskkill.hProcess);
    EXPECT_EQ(kebo.waitForExit(3s), std::optional<DWORD>(0));
}

// After a box the keyboard focus is back on the button, so Space on the window starts a launch.
// With that launch's first box waiting for an answer, the end of the session ends the program,
// without another box.
TEST_F(EndToEnd, AfterABoxSpaceStartsALaunchAndTheEndOfTheSessionEndsItDuringABox) {
    HWND launcher = waitForGrownWindow();
    ASSERT_NE(launcher, nullptr);
    PostMessageW(launcher, WM_SYSCOMMAND, SC_CLOSE, 0);
    answer(launcher, boxes::kAskQuit, Answer::No);
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == launcher; }, 5s));
    INPUT space[2]{};
    for (INPUT& key : space) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = VK_SPACE;
    }
    space[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, space, sizeof(INPUT));
    ASSERT_NE(waitForBox(), nullptr) << "Space on the window did not press the button";
    EXPECT_EQ(readMessageBox(findMessageBox(kebo.id(), kBoxCaption)).text, boxes::kAskOpen.text);
    DWORD_PTR agreed = FALSE;
    SendMessageTimeoutW(launcher, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 3000, &agreed);
    EXPECT_EQ(agreed, static_cast<DWORD_PTR>(TRUE));
    SendMessageTimeoutW(launcher, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 3000, nullptr);
    EXPECT_EQ(kebo.waitForExit(3s), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace kebo::win32::end_to_end

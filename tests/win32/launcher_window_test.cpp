// The launcher window's Win32 side in the test's own process: its rectangle in pixels of its DPI
// and a new DPI, the lifted minimum size, the opening, the timers, the red label, and the messages
// that carry the launcher's events.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
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

TwipsRect inTwips(const PixelRect& rect) {
    return {rect.left * kTwipsPerPixel, rect.top * kTwipsPerPixel, rect.width * kTwipsPerPixel,
            rect.height * kTwipsPerPixel};
}

// The window takes the rectangle as given, also smaller than Windows' usual minimum for a
// captioned window (the opening starts from nothing, the farewell shrinks below it), and reports
// it back into the launcher's record.
TEST_F(LauncherWindow, TakesTheRectangleAsGivenEvenBelowACaptionsMinimumAndReportsIt) {
    ASSERT_DOUBLE_EQ(platform->twipsPerPixel(), kTwipsPerPixel);
    for (const PixelRect rect :
         {PixelRect{100, 200, 318, 100}, PixelRect{50, 60, 0, 0}, PixelRect{50, 60, 100, 0}}) {
        SCOPED_TRACE(rect.width);
        platform->placeWindow(rect);
        EXPECT_EQ(frame->outerRect(), rect);
        EXPECT_EQ(launcher->window(), inTwips(rect));
    }
}

// Moved to a monitor of 144 DPI: the window keeps its size in twips at the place Windows
// suggests, and its controls and fonts are made anew for the DPI.
TEST_F(LauncherWindow, ANewDpiKeepsTheSizeInTwipsAndRescalesControlsAndFonts) {
    platform->placeWindow({0, 0, 318, 160});
    RECT suggested{200, 300, 700, 600};
    SendMessageW(window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_DOUBLE_EQ(platform->twipsPerPixel(), 10);
    EXPECT_EQ(launcher->window(), (TwipsRect{2000, 3000, 4770, 2400}));
    EXPECT_EQ(frame->outerRect(), (PixelRect{200, 300, 477, 240}));

    const RECT button = outerOf(frame->button());
    EXPECT_EQ(button.right - button.left, 326);  // 3255 twips
    LOGFONTW label{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(frame->label(), WM_GETFONT, 0, 0)),
               sizeof label, &label);
    EXPECT_EQ(label.lfHeight, -29);  // 14.25 pt at 144 DPI
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

// The program's opening: 47 ticks, asked for at 1 ms (the 10 ms floor applies), each changing the
// window once, moved up and left and made larger at once, about the centre of the window as it
// was first shown. Wine holds it at a client area of 1 x 1 pixel at first, its top-left kept; the
// window grows about the centre of that. Then a move from outside comes into the launcher's
// record, which keeps its size.
TEST_F(LauncherWindow, TheOpeningGrowsAboutTheCentreInFortySevenTicks) {
    countedWindow = window();
    HHOOK hook =
        SetWindowsHookExW(WH_CALLWNDPROCRET, countPlaceChanges, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    launcher->start();
    EXPECT_EQ(launcher->interval(Animation::Opening), 1);
    std::optional<RECT> shown;
    std::vector<int> changesPerTick;
    int grownTicks = 0;
    const DWORD start = GetTickCount();
    MSG message;
    while (launcher->interval(Animation::Opening) != 0 && GetTickCount() - start < 10'000) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) == FALSE) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        } else if (message.message == WM_TIMER && message.wParam == timerId(Animation::Opening)) {
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

    SetWindowPos(window(), nullptr, 300, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(launcher->window().left, 4500);
    EXPECT_EQ(launcher->window().top, 6000);
    EXPECT_EQ(launcher->window().width, 4770);
}

TEST_F(LauncherWindow, TheWindowShowsTheProgramsIconLargeAndSmall) {
    EXPECT_NE(GetClassLongPtrW(window(), GCLP_HICON), 0U);
    EXPECT_NE(GetClassLongPtrW(window(), GCLP_HICONSM), 0U);
}

// What the window's messages posted, where the test looks at the translation rather than at what
// the launcher makes of it.
struct RecordedEvents final : LauncherEvents {
    void post(const LauncherEvent& event) override { posted.push_back(event); }
    std::vector<LauncherEvent> posted;
};

// The events in words, to compare and to print.
std::vector<std::string> describe(const std::vector<LauncherEvent>& events) {
    constexpr const char* kAnimations[] = {"opening", "progress", "farewell"};
    constexpr const char* kReasons[] = {"user", "session ending", "task manager"};
    std::vector<std::string> words;
    for (const LauncherEvent& event : events) {
        if (const auto* tick = std::get_if<event::TimerTicked>(&event)) {
            words.push_back(std::string(kAnimations[static_cast<int>(tick->animation)]) + " tick");
        } else if (const auto* close = std::get_if<event::CloseRequested>(&event)) {
            words.push_back(std::string("close by ") + kReasons[static_cast<int>(close->reason)]);
        } else if (std::holds_alternative<event::ButtonClicked>(event)) {
            words.emplace_back("click");
        } else {
            words.push_back("event " + std::to_string(event.index()));
        }
    }
    return words;
}

// Dispatches the thread's messages until something was posted or `timeoutMs` has passed.
bool dispatchUntilPosted(const RecordedEvents& recorded, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (recorded.posted.empty() && GetTickCount() - start < timeoutMs) {
        MSG message;
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            DispatchMessageW(&message);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    return !recorded.posted.empty();
}

TEST_F(LauncherWindow, EachAnimationTicksAsATimerOfItsOwnUntilStopped) {
    RecordedEvents recorded;
    frame->attach(recorded);
    for (const Animation animation :
         {Animation::Opening, Animation::Progress, Animation::Farewell}) {
        const std::string tick = describe({event::TimerTicked{animation}}).front();
        SCOPED_TRACE(tick);
        platform->startTimer(animation, 20);
        ASSERT_TRUE(dispatchUntilPosted(recorded, 2000));
        EXPECT_EQ(describe(recorded.posted), std::vector<std::string>{tick});
        platform->stopTimer(animation);
        // A tick already queued may still come.
        MSG queued;
        while (PeekMessageW(&queued, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            DispatchMessageW(&queued);
        }
        recorded.posted.clear();
        EXPECT_FALSE(dispatchUntilPosted(recorded, 100));
    }
}

// Windows' clock is made fine while a timer shorter than its 15.6 ms runs, and given back as soon
// as none does: the progress timer's periods keep the usual clock.
TEST_F(LauncherWindow, HoldsAFineClockWhileATimerShorterThanWindowsOwnRuns) {
    struct Step {
        Animation animation;
        int periodMs;  // 0: stopped
        bool fine;
    };
    const Step steps[] = {
        {Animation::Progress, 100, false}, {Animation::Opening, 10, true},
        {Animation::Opening, 0, false},    {Animation::Farewell, 10, true},
        {Animation::Progress, 0, true},    {Animation::Farewell, 16, false},
        {Animation::Opening, 15, true},    {Animation::Opening, 0, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(describe({event::TimerTicked{step.animation}}).front() + " at " +
                     std::to_string(step.periodMs));
        if (step.periodMs == 0) {
            platform->stopTimer(step.animation);
        } else {
            platform->startTimer(step.animation, step.periodMs);
        }
        EXPECT_EQ(platform->timerResolution().fine(), step.fine);
    }
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

// Each message that carries an event posts it, the window staying whatever the close: the
// launcher ends the program itself when it must. Asked whether the session may end, kebo agrees
// and goes on; only the end itself is a close.
TEST_F(LauncherWindow, MessagesPostTheirEventsToTheLauncher) {
    RecordedEvents recorded;
    frame->attach(recorded);
    const auto button = reinterpret_cast<LPARAM>(frame->button());
    const WPARAM clicked = MAKEWPARAM(GetDlgCtrlID(frame->button()), BN_CLICKED);
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT result;
        std::vector<std::string> posted;
    } cases[] = {
        {WM_TIMER, timerId(Animation::Opening), 0, 0, {"opening tick"}},
        {WM_TIMER, timerId(Animation::Progress), 0, 0, {"progress tick"}},
        {WM_TIMER, timerId(Animation::Farewell), 0, 0, {"farewell tick"}},
        {WM_TIMER, 0, 0, 0, {}},
        {WM_TIMER, timerId(Animation::Farewell) + 1, 0, 0, {}},
        {WM_COMMAND, clicked, button, 0, {"click"}},
        {WM_SYSCOMMAND, SC_CLOSE, 0, 0, {"close by user"}},
        {WM_CLOSE, 0, 0, 0, {"close by task manager"}},
        {WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, TRUE, {}},
        {WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF, 0, {}},
        {WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, 0, {"close by session ending"}},
    };
    for (const auto& sent : cases) {
        SCOPED_TRACE(testing::Message() << "message " << sent.message << ", " << sent.wParam);
        recorded.posted.clear();
        EXPECT_EQ(SendMessageW(window(), sent.message, sent.wParam, sent.lParam), sent.result);
        EXPECT_EQ(describe(recorded.posted), sent.posted);
        EXPECT_NE(IsWindow(window()), FALSE);
    }
}

// Through the launcher, a close from outside ends the process at once.
TEST_F(LauncherWindow, ACloseFromOutsideEndsTheProgram) {
    EXPECT_EXIT(SendMessageW(window(), WM_CLOSE, 0, 0), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace kebo::win32

#include "platform/win32/window_messages.h"

#include <optional>

#include "platform/launcher_events.h"
#include "platform/win32/launcher_frame.h"
#include "platform/win32/timer_ids.h"

namespace kebo::win32 {

namespace {

LauncherFrame* frameOf(HWND window) {
    return reinterpret_cast<LauncherFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

PixelRect pixelRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::optional<LRESULT> translateEvent(LauncherFrame& frame, UINT message, WPARAM wParam,
                                      LPARAM lParam) {
    LauncherEvents& events = *frame.events();
    switch (message) {
        case WM_TIMER:
            if (const auto animation = animationOfTimer(wParam)) {
                events.post(event::TimerTicked{*animation});
                return 0;
            }
            break;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == frame.button() && HIWORD(wParam) == BN_CLICKED) {
                events.post(event::ButtonClicked{});
                return 0;
            }
            break;
        // The close box, the system menu and Alt+F4 all come as this command: the user's close.
        // The window stays: the launcher ends the program itself when it must.
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0U) == SC_CLOSE) {
                events.post(event::CloseRequested{CloseReason::User});
                return 0;
            }
            break;
        // A close that did not come through the window's own close command: the task manager's
        // "End task", taskkill.
        case WM_CLOSE:
            events.post(event::CloseRequested{CloseReason::TaskManager});
            return 0;
        // Windows asks whether the session may end, and another program may still say no: kebo
        // agrees and goes on. The session ends when WM_ENDSESSION says so (TRUE); with FALSE the
        // end was called off.
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                events.post(event::CloseRequested{CloseReason::SessionEnding});
            }
            return 0;
        // Moved or resized, by the program or from outside: the user's drag, a minimum size. A
        // minimised window's place is Windows' own. DefWindowProc still sends WM_MOVE and WM_SIZE.
        case WM_WINDOWPOSCHANGED:
            if (IsIconic(frame.window()) == FALSE) {
                events.post(event::WindowReported{frame.outerRect()});
            }
            break;
        // Moved to a monitor of another DPI, or the DPI changed: new fonts and control places
        // first, so that the launcher finds the new scale.
        case WM_DPICHANGED:
            frame.applyDpi(LOWORD(wParam));
            events.post(event::DpiChanged{pixelRect(*reinterpret_cast<const RECT*>(lParam))});
            return 0;
        default:
            break;
    }
    return std::nullopt;
}

// The window is no dialog, but it keeps the keyboard as one does (DefDlgProc): the control that
// had the focus gets it back when the window is active again, after a message box say, instead of
// the window itself, so that Space still presses the button; and Enter presses the button, which
// IsDialogMessage in the message loop takes for the default one.
std::optional<LRESULT> keepKeyboard(LauncherFrame& frame, HWND window, UINT message,
                                    WPARAM wParam) {
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(window, focus) != FALSE) {
                    frame.rememberFocus(focus);
                }
            } else if (HIWORD(wParam) == 0) {  // not minimised
                SetFocus(frame.focusedControl());
            }
            return 0;
        case DM_GETDEFID:
            return MAKELRESULT(GetDlgCtrlID(frame.button()), DC_HASDEFID);
        default:
            return std::nullopt;
    }
}

std::optional<LRESULT> adjustAppearance(LauncherFrame& frame, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == frame.label()) {
                HDC dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, RGB(255, 0, 0));
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        // Children pass this message to their parent first, so the hourglass covers them too.
        case WM_SETCURSOR:
            if (frame.busyPointer() && LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
                return TRUE;
            }
            break;
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace

LRESULT CALLBACK launcherWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: {
            const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
            break;
        }
        // Without this Windows keeps a captioned window at least about 116 x 27 pixels: the
        // window could neither start from nothing nor shrink to the farewell's end.
        case WM_GETMINMAXINFO:
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{0, 0};
            return 0;
        default:
            break;
    }
    LauncherFrame* frame = frameOf(window);
    if (frame == nullptr || frame->events() == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (const auto result = translateEvent(*frame, message, wParam, lParam)) {
        return *result;
    }
    if (const auto result = keepKeyboard(*frame, window, message, wParam)) {
        return *result;
    }
    if (const auto result = adjustAppearance(*frame, message, wParam, lParam)) {
        return *result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace kebo::win32

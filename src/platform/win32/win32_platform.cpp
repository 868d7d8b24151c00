#include "platform/win32/win32_platform.h"

#include <commctrl.h>

#include <cmath>
#include <cstdio>

#include "platform/win32/message_box.h"
#include "platform/win32/program_start.h"
#include "platform/win32/timer_ids.h"
#include "platform/win32/wide_text.h"

namespace kebo::win32 {

Win32Platform::Win32Platform(LauncherFrame& frame) : frame_(frame) {
    windowGeometryReported(frame_.outerRect());
}

PixelRect Win32Platform::screenArea() const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(frame_.window(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

void Win32Platform::applyWindowRect(const PixelRect& outer) {
    SetWindowPos(frame_.window(), nullptr, outer.left, outer.top, outer.width, outer.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Platform::showWindow() {
    ShowWindow(frame_.window(),
               stateWhenShown_ == WindowState::Minimised ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
    SetFocus(frame_.button());
}

void Win32Platform::applyWindowState(WindowState state) {
    HWND window = frame_.window();
    if (IsWindowVisible(window) == FALSE) {
        stateWhenShown_ = state;
    } else if (state == WindowState::Minimised) {
        ShowWindow(window, SW_MINIMIZE);
    } else if (IsIconic(window) != FALSE) {
        ShowWindow(window, SW_RESTORE);
    }
}

void Win32Platform::setMousePointer(MousePointer pointer) {
    frame_.setBusyPointer(pointer == MousePointer::Hourglass);
    // Show the new pointer now if it is over the window, not only at the next move of the mouse.
    POINT at{};
    if (GetCursorPos(&at) == FALSE) {
        return;
    }
    HWND under = WindowFromPoint(at);
    if (under == frame_.window() || IsChild(frame_.window(), under) != FALSE) {
        const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
        SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                     MAKELPARAM(hit, WM_MOUSEMOVE));
    }
}

void Win32Platform::setButtonEnabled(bool enabled) {
    EnableWindow(frame_.button(), enabled ? TRUE : FALSE);
}

void Win32Platform::setProgressBarVisible(bool visible) {
    ShowWindow(frame_.progressBar(), visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Platform::setProgressBarValue(float value) {
    SendMessageW(frame_.progressBar(), PBM_SETPOS, static_cast<WPARAM>(std::lround(value)), 0);
}

void Win32Platform::setLabelVisible(bool visible) {
    ShowWindow(frame_.label(), visible ? SW_SHOWNA : SW_HIDE);
}

bool Win32Platform::fileExists(const std::string& fullPath) {
    const DWORD attributes = GetFileAttributesW(widen(fullPath).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> Win32Platform::startProgram(std::string_view fileName) {
    return win32::startProgram(fileName);
}

std::uint32_t Win32Platform::windowsDirectory(std::span<char> buffer) {
    return GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
}

std::uint32_t Win32Platform::systemDirectory(std::span<char> buffer) {
    return GetSystemDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
}

void Win32Platform::reseedRandom() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    random_.reseed(static_cast<std::uint64_t>(now.QuadPart));
}

double Win32Platform::nextRandom() {
    return random_.next();
}

void Win32Platform::applyTimerInterval(Timer timer, int ms) {
    if (ms == 0) {
        KillTimer(frame_.window(), timerId(timer));
    } else {
        SetTimer(frame_.window(), timerId(timer), static_cast<UINT>(timerPeriodMs(ms)), nullptr);
    }
}

int Win32Platform::runMessageBox(std::string_view text, std::string_view caption, unsigned style) {
    return win32::showMessageBox(frame_.window(), text, caption, style);
}

void Win32Platform::terminate() {
    std::fflush(nullptr);
    ExitProcess(0);
}

}  // namespace kebo::win32

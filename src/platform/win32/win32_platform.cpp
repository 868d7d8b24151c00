#include "platform/win32/win32_platform.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/twips.h"
#include "platform/win32/message_box.h"
#include "platform/win32/program_start.h"
#include "platform/win32/timer_ids.h"
#include "platform/win32/wide_text.h"

namespace kebo::win32 {

namespace {

constexpr UINT kKeepOrder = SWP_NOZORDER | SWP_NOACTIVATE;

}  // namespace

RECT Win32Platform::outerRect() const {
    RECT outer{};
    GetWindowRect(frame_.window(), &outer);
    return outer;
}

int Win32Platform::toPixels(int twips) const {
    return twipsToPixels(twips, frame_.twipsPerPixel());
}

int Win32Platform::toTwips(int pixels) const {
    return pixelsToTwips(pixels, frame_.twipsPerPixel());
}

void Win32Platform::moveTo(int left, int top) {
    SetWindowPos(frame_.window(), nullptr, left, top, 0, 0, SWP_NOSIZE | kKeepOrder);
}

void Win32Platform::resizeTo(int width, int height) {
    SetWindowPos(frame_.window(), nullptr, 0, 0, width, height, SWP_NOMOVE | kKeepOrder);
}

int Win32Platform::windowLeft() const {
    return toTwips(outerRect().left);
}

int Win32Platform::windowTop() const {
    return toTwips(outerRect().top);
}

int Win32Platform::windowWidth() const {
    const RECT outer = outerRect();
    return toTwips(outer.right - outer.left);
}

int Win32Platform::windowHeight() const {
    const RECT outer = outerRect();
    return toTwips(outer.bottom - outer.top);
}

void Win32Platform::setWindowLeft(int twips) {
    moveTo(toPixels(twips), outerRect().top);
}

void Win32Platform::setWindowTop(int twips) {
    moveTo(outerRect().left, toPixels(twips));
}

void Win32Platform::setWindowWidth(int twips) {
    const RECT outer = outerRect();
    resizeTo(toPixels(std::max(twips, 0)), outer.bottom - outer.top);
}

void Win32Platform::setWindowHeight(int twips) {
    const RECT outer = outerRect();
    resizeTo(outer.right - outer.left, toPixels(std::max(twips, 0)));
}

// Setting the left edge already keeps the top and the size.
void Win32Platform::moveWindow(int leftTwips) {
    setWindowLeft(leftTwips);
}

void Win32Platform::showWindowCentred() {
    HWND window = frame_.window();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    const RECT outer = outerRect();
    moveTo((area.left + area.right - (outer.right - outer.left)) / 2,
           (area.top + area.bottom - (outer.bottom - outer.top)) / 2);
    ShowWindow(window,
               stateWhenShown_ == WindowState::Minimised ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
    SetFocus(frame_.button());
}

void Win32Platform::setWindowState(WindowState state) {
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

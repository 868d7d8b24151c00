#include "platform/win32/win32_platform.h"

#include <commctrl.h>

#include <cstdio>

#include "platform/win32/program_start.h"
#include "platform/win32/timer_ids.h"
#include "platform/win32/wide_text.h"
#include "platform/windows_program_files.h"

namespace kebo::win32 {

namespace {

// The box as MessageBoxW's style word: its buttons, its icon and which button is the default.
UINT messageBoxStyle(const Box& box) {
    UINT style = box.buttons == Buttons::YesNo ? MB_YESNO : MB_OK;
    switch (box.icon) {
        case BoxIcon::Stop:
            style |= MB_ICONSTOP;
            break;
        case BoxIcon::Question:
            style |= MB_ICONQUESTION;
            break;
        case BoxIcon::Exclamation:
            style |= MB_ICONEXCLAMATION;
            break;
        case BoxIcon::Information:
            style |= MB_ICONINFORMATION;
            break;
    }
    // No is the second button of Yes and No.
    return style | (box.defaultAnswer == Answer::No ? MB_DEFBUTTON2 : MB_DEFBUTTON1);
}

}  // namespace

PixelRect Win32Platform::workArea() const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(frame_.window(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

void Win32Platform::placeWindow(const PixelRect& outer) {
    SetWindowPos(frame_.window(), nullptr, outer.left, outer.top, outer.width, outer.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Platform::showWindow() {
    ShowWindow(frame_.window(), SW_SHOWNORMAL);
    SetFocus(frame_.button());
}

void Win32Platform::minimiseWindow() {
    ShowWindow(frame_.window(), SW_MINIMIZE);
}

void Win32Platform::setBusyPointer(bool busy) {
    frame_.setBusyPointer(busy);
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

void Win32Platform::setProgressVisible(bool visible) {
    ShowWindow(frame_.progressBar(), visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Platform::setProgressValue(int value) {
    SendMessageW(frame_.progressBar(), PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

void Win32Platform::setBusyLabelVisible(bool visible) {
    ShowWindow(frame_.label(), visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Platform::startTimer(Animation animation, int periodMs) {
    timerResolution_.started(animation, periodMs);
    SetTimer(frame_.window(), timerId(animation), static_cast<UINT>(periodMs), nullptr);
}

void Win32Platform::stopTimer(Animation animation) {
    KillTimer(frame_.window(), timerId(animation));
    timerResolution_.stopped(animation);
}

Answer Win32Platform::showBox(const Box& box) {
    switch (MessageBoxW(frame_.window(), widen(box.text).c_str(), widen(boxes::kCaption).c_str(),
                        messageBoxStyle(box))) {
        case IDYES:
            return Answer::Yes;
        case IDNO:
            return Answer::No;
        // IDOK, or 0 from a box that could not be shown: neither Yes nor No.
        default:
            return Answer::Ok;
    }
}

std::string Win32Platform::folderPath(Folder folder) {
    const auto query = folder == Folder::Windows ? GetWindowsDirectoryW : GetSystemDirectoryW;
    // The first call gives the size with the terminating zero, the second the length without.
    std::wstring path(query(nullptr, 0), L'\0');
    path.resize(query(path.data(), static_cast<UINT>(path.size())));
    return narrow(path);
}

std::string Win32Platform::programFile(Program program) {
    return windowsProgramFile(program);
}

bool Win32Platform::fileExists(const std::string& fullPath) {
    const DWORD attributes = GetFileAttributesW(widen(fullPath).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> Win32Platform::startProgram(Program program) {
    return win32::startProgram(programFile(program));
}

void Win32Platform::reseedRandom() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    random_.reseed(static_cast<std::uint64_t>(now.QuadPart));
}

double Win32Platform::nextRandom() {
    return random_.next();
}

void Win32Platform::endProgram() {
    std::fflush(nullptr);
    ExitProcess(0);
}

}  // namespace kebo::win32

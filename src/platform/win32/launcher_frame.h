// The launcher window and its controls as Win32 windows: a captioned window with a fixed single
// border, a minimise box and no maximise box, the open button, the red busy label and the
// common-controls progress bar, placed at their twips geometry for the window's DPI.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/twips.h"

namespace kebo {
class LauncherEvents;
}

namespace kebo::win32 {

class LauncherFrame {
public:
    // Creates the window and its controls, hidden. Null, after one line on stderr, when Windows
    // cannot create them.
    static std::unique_ptr<LauncherFrame> create(HINSTANCE instance);
    LauncherFrame(const LauncherFrame&) = delete;
    LauncherFrame& operator=(const LauncherFrame&) = delete;
    ~LauncherFrame();

    HWND window() const { return window_; }
    HWND button() const { return button_; }
    HWND label() const { return label_; }
    HWND progressBar() const { return progressBar_; }

    // The window's outer rectangle, frame included, as Windows has it.
    PixelRect outerRect() const;
    // 1440 twips per inch at the window's logical DPI.
    double twipsPerPixel() const;
    // Makes new fonts and places the controls again for the window's new DPI.
    void applyDpi(UINT dpi);

    // Where the window's messages post their events; nothing is posted before.
    void attach(LauncherEvents& events) { events_ = &events; }
    LauncherEvents* events() const { return events_; }

    // The control that has the keyboard focus while the window is active: remembered when the
    // window is deactivated, given the focus again when it is activated. The button at first.
    void rememberFocus(HWND control) { focusedControl_ = control; }
    HWND focusedControl() const { return focusedControl_ != nullptr ? focusedControl_ : button_; }

    // The hourglass over the window (and its controls) instead of the class's arrow.
    void setBusyPointer(bool busy) { busyPointer_ = busy; }
    bool busyPointer() const { return busyPointer_; }

private:
    LauncherFrame() = default;
    bool createWindows(HINSTANCE instance);
    void placeControls();

    HWND window_ = nullptr;
    HWND button_ = nullptr;
    HWND progressBar_ = nullptr;
    HWND label_ = nullptr;
    HWND focusedControl_ = nullptr;
    HFONT windowFont_ = nullptr;
    HFONT labelFont_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    LauncherEvents* events_ = nullptr;
    bool busyPointer_ = false;
};

}  // namespace kebo::win32

// The operations through which the launcher logic reaches the windowing system, the file
// system, the program starter and the random generator. One backend implements them per
// platform; the logic never sees anything else of the platform.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/window_geometry.h"

namespace kebo {

enum class Timer { Timer1, Timer2, Timer3 };
inline constexpr std::size_t kTimerCount = 3;

enum class WindowState { Normal, Minimised };
enum class MousePointer { Default, Hourglass };

// Message box answer codes, as MessageBox returns them.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// Windows raises any shorter timer interval to 10 ms; every backend uses the same floor so that
// the animations take the same time everywhere.
inline constexpr int kShortestTimerPeriodMs = 10;
constexpr int timerPeriodMs(int intervalMs) {
    return intervalMs < kShortestTimerPeriodMs ? kShortestTimerPeriodMs : intervalMs;
}

class Platform {
public:
    Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;
    virtual ~Platform() = default;

    // The window's outer geometry in twips, frame included. One record for every backend: a
    // handler reads back exactly what it wrote, and what the windowing system changes itself (the
    // user moves the window, a minimum size holds it) comes back into it.
    int windowLeft() const { return geometry_.record().left; }
    int windowTop() const { return geometry_.record().top; }
    int windowWidth() const { return geometry_.record().width; }
    int windowHeight() const { return geometry_.record().height; }

    // Left and top move the window keeping its size; width and height resize it keeping its
    // top-left corner. A negative size is treated as 0. All that one event writes reaches the
    // window at once, as a single move-and-resize (see applyWindowGeometry).
    void setWindowLeft(int twips);
    void setWindowTop(int twips);
    void setWindowWidth(int twips);
    void setWindowHeight(int twips);
    // Moves the window so that its left edge is at `leftTwips`, keeping its top and its size.
    void moveWindow(int leftTwips) { setWindowLeft(leftTwips); }

    // Shows the window for the first time, centred on the work area at the size it has now, and
    // once more at the size it has on the screen when the windowing system first reports it
    // there (a frame added late, a minimum size).
    void showWindowCentred();
    // From the first report of the shown window on. Until then a timer keeps the interval set
    // but does not tick: what it animates would not be seen.
    bool windowOnScreen() const { return shown_ == Shown::OnScreen; }
    void setWindowState(WindowState state);
    // The pointer shown over the window.
    virtual void setMousePointer(MousePointer pointer) = 0;

    virtual void setButtonEnabled(bool enabled) = 0;
    virtual void setProgressBarVisible(bool visible) = 0;
    // 0 to 10000; the bar shows it at once.
    virtual void setProgressBarValue(float value) = 0;
    virtual void setLabelVisible(bool visible) = 0;

    // 0 stops the timer; any other value (re)starts it, ticking every max(ms, 10) milliseconds on
    // the window's thread from now on (from the window's first report on the screen, before).
    void setTimerInterval(Timer timer, int ms);
    // The last value set, not the period actually used.
    int timerInterval(Timer timer) const;

    // Shows a modal box over the window and blocks until the user dismisses it; returns the
    // answer code. `style` is a MessageBox style word (buttons, icon, default button).
    int showMessageBox(std::string_view text, std::string_view caption, unsigned style);
    // True while a box shown by showMessageBox is open.
    bool messageBoxOpen() const { return openMessageBoxes_ > 0; }

    // True exactly when a file exists at the full path.
    virtual bool fileExists(const std::string& fullPath) = 0;
    // Starts a program by its bare file name, found by the platform's program search, in a normal
    // window that takes the focus, and returns at once. When it cannot be started, returns the
    // system's reason (UTF-8, one line), and reports it nowhere itself.
    virtual std::optional<std::string> startProgram(std::string_view fileName) = 0;
    // The local file name that stands for a program name of the launcher ("NOTEPAD.EXE",
    // "mspaint.exe", "paint.exe"), and the separator between a directory and a file name.
    virtual std::string localFileName(std::string_view programName);
    virtual char directorySeparator() const { return '\\'; }

    // GetWindowsDirectoryA / GetSystemDirectoryA: on success the path (no trailing separator) and
    // a terminating zero are written and its length is returned; when it does not fit, nothing is
    // written and the size it would need, zero included, is returned.
    virtual std::uint32_t windowsDirectory(std::span<char> buffer) = 0;
    virtual std::uint32_t systemDirectory(std::span<char> buffer) = 0;

    // Re-seeds the generator from a clock fine enough that re-seeds 10 ms apart differ.
    virtual void reseedRandom() = 0;
    // Uniform, 0 <= r < 1.
    virtual double nextRandom() = 0;

    // Ends the program at once: no close request, no further events.
    void endProgram();
    bool ended() const { return ended_; }

    // Hands the geometry written since the last call to the window, as one move-and-resize. The
    // event delivery calls it after every handler. Whatever passes control to the windowing
    // system inside a handler calls it first (the first show, a message box, a change of window
    // state, the end of the program), so that the window is where the handler put it by then:
    // the farewell's last shrink is seen before the window is minimised.
    void applyWindowGeometry();
    // The backend's word of the window's outer rectangle, whenever the windowing system reports
    // it: a change the program made, late or not, or one from outside, which the record takes
    // over. A rectangle that differs from what was applied only by the rounding changes nothing.
    void windowGeometryReported(const PixelRect& outer);
    // 1440 twips per inch at the window's logical DPI.
    virtual double twipsPerPixel() const = 0;

protected:
    // The record in whole pixels, as the window is given it.
    PixelRect windowRectPixels() const { return toPixels(geometry_.record(), twipsPerPixel()); }
    // Where the window is centred when first shown, in pixels.
    virtual PixelRect screenArea() const = 0;
    // Moves and resizes the window to the outer rectangle, in one change.
    virtual void applyWindowRect(const PixelRect& outer) = 0;
    virtual void showWindow() = 0;
    virtual void applyWindowState(WindowState state) = 0;
    virtual void applyTimerInterval(Timer timer, int ms) = 0;
    virtual int runMessageBox(std::string_view text, std::string_view caption, unsigned style) = 0;
    virtual void terminate() = 0;

private:
    void centreWindow();

    WindowGeometry geometry_;
    std::array<int, kTimerCount> timerIntervals_{};
    int openMessageBoxes_ = 0;
    bool ended_ = false;
    // Shown but not yet reported on the screen: Placing.
    enum class Shown { Not, Placing, OnScreen } shown_ = Shown::Not;
};

}  // namespace kebo

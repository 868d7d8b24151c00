// The launcher's operations on a Linux desktop, through Qt Widgets: the window and its controls,
// the timers, the message boxes, the directory queries, the file test and the program start.
#pragma once

#include <QRect>
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "launcher/window_events.h"
#include "platform/clock_seeded_random.h"
#include "platform/platform.h"

class QTimer;

namespace kebo::qt {

class LauncherWidget;

struct QtPlatformOptions {
    // What the two directory queries answer: where a Paint program is looked for.
    std::string windowsDirectory = "/usr/local/bin";
    std::string systemDirectory = "/usr/bin";
    // The PATH-style list programs are found on; the process's PATH when not given.
    std::optional<std::string> searchPath;
    // Ending the program; by default the process exits at once with status 0.
    std::function<void()> terminate;
};

class QtPlatform final : public Platform {
public:
    // Needs a QApplication.
    explicit QtPlatform(QtPlatformOptions options = {});
    ~QtPlatform() override;

    // The window's event handlers; attached before the first event.
    void attach(WindowEvents& events) { events_ = &events; }
    LauncherWidget& window() { return *window_; }
    double twipsPerPixel() const { return twipsPerPixel_; }

    int windowLeft() const override;
    int windowTop() const override;
    int windowWidth() const override;
    int windowHeight() const override;
    void setWindowLeft(int twips) override;
    void setWindowTop(int twips) override;
    void setWindowWidth(int twips) override;
    void setWindowHeight(int twips) override;
    void moveWindow(int leftTwips) override;
    void showWindowCentred() override;
    void setWindowState(WindowState state) override;
    void setMousePointer(MousePointer pointer) override;

    void setButtonEnabled(bool enabled) override;
    void setProgressBarVisible(bool visible) override;
    void setProgressBarValue(float value) override;
    void setLabelVisible(bool visible) override;

    bool fileExists(const std::string& fullPath) override;
    std::optional<std::string> startProgram(std::string_view fileName) override;
    std::string localFileName(std::string_view programName) override;
    char directorySeparator() const override { return '/'; }
    std::uint32_t windowsDirectory(std::span<char> buffer) override;
    std::uint32_t systemDirectory(std::span<char> buffer) override;

    void reseedRandom() override;
    double nextRandom() override { return random_.next(); }

protected:
    void applyTimerInterval(Timer timer, int ms) override;
    int runMessageBox(std::string_view text, std::string_view caption, unsigned style) override;
    void terminate() override;

private:
    int toPixels(int twips) const;
    int toTwips(int pixels) const;
    // The outer geometry in pixels. X11 applies a change later and reports it back later still,
    // so that right after a change the window may still report an older one, which would make
    // each tick of an animation build on a stale size. For a short while after a change, the
    // geometry is the one set; after that, the window's own (moved by the user, say).
    QRect outer() const;
    // The client area never goes below 1 x 1 pixel: X11 windows cannot, and Qt would give an
    // empty window a default size.
    void setOuter(const QRect& outer);
    std::string searchPath() const;

    static constexpr std::chrono::milliseconds kEchoTime{250};
    struct LastSet {
        QRect outer;
        std::chrono::steady_clock::time_point at;
    };

    QtPlatformOptions options_;
    double twipsPerPixel_;
    WindowEvents* events_ = nullptr;
    std::unique_ptr<LauncherWidget> window_;
    std::array<QTimer*, kTimerCount> timers_{};
    std::optional<LastSet> lastSet_;
    ClockSeededRandom random_;
};

}  // namespace kebo::qt

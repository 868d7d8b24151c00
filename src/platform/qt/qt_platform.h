// The launcher's operations on a Linux desktop, through Qt Widgets: the window and its controls,
// the timers, the message boxes, the directory queries, the file test and the program start.
#pragma once

#include <QMarginsF>
#include <QSize>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "launcher/window_events.h"
#include "platform/clock_seeded_random.h"
#include "platform/platform.h"

class QObject;
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
    double twipsPerPixel() const override { return twipsPerPixel_; }

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
    PixelRect screenArea() const override;
    void applyWindowRect(const PixelRect& outer) override;
    void showWindow() override;
    void applyWindowState(WindowState state) override;
    void applyTimerInterval(Timer timer, int ms) override;
    int runMessageBox(std::string_view text, std::string_view caption, unsigned style) override;
    void terminate() override;

private:
    // Tells the launcher where the window is, as the windowing system has it; false when it
    // has no place to tell yet.
    bool reportGeometry();
    std::string searchPath() const;

    QtPlatformOptions options_;
    double twipsPerPixel_;
    WindowEvents* events_ = nullptr;
    std::unique_ptr<LauncherWidget> window_;
    std::unique_ptr<QObject> geometryWatch_;
    QTimer* reportSoon_ = nullptr;
    // The window manager's frame as last reported; a change is applied around the client area
    // with it.
    QMarginsF frame_;
    // The client size last asked for until the windowing system has it and it is held there.
    std::optional<QSize> placing_;
    std::array<QTimer*, kTimerCount> timers_{};
    ClockSeededRandom random_;
};

}  // namespace kebo::qt

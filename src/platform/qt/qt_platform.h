// The launcher's platform on a Linux desktop, through Qt Widgets: the window and its controls, the
// timers, the message boxes, the folders, the file test and the program start.
#pragma once

#include <QMarginsF>
#include <QSize>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/clock_seeded_random.h"
#include "platform/launcher_events.h"
#include "platform/platform.h"

class QAbstractNativeEventFilter;
class QTimer;

namespace kebo::qt {

class LauncherWidget;
class WindowWatch;

struct QtPlatformOptions {
    // Where a paint program is looked for.
    std::string windowsFolder = "/usr/local/bin";
    std::string systemFolder = "/usr/bin";
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

    // Where the window's events go; attached before the first.
    void attach(LauncherEvents& launcher) { launcher_ = &launcher; }
    LauncherWidget& window() { return *window_; }

    double twipsPerPixel() const override { return twipsPerPixel_; }
    PixelRect workArea() const override;
    void placeWindow(const PixelRect& outer) override;
    void showWindow() override;
    void minimiseWindow() override;
    void setBusyPointer(bool busy) override;
    void setButtonEnabled(bool enabled) override;
    void setProgressVisible(bool visible) override;
    void setProgressValue(int value) override;
    void setBusyLabelVisible(bool visible) override;
    void startTimer(Animation animation, int periodMs) override;
    void stopTimer(Animation animation) override;
    Answer showBox(const Box& box) override;
    std::string folderPath(Folder folder) override;
    char directorySeparator() const override { return '/'; }
    std::string programFile(Program program) override;
    bool fileExists(const std::string& fullPath) override;
    std::optional<std::string> startProgram(Program program) override;
    void reseedRandom() override;
    double nextRandom() override { return random_.next(); }
    void endProgram() override;

private:
    // Tells the launcher where the window is, once the windowing system has it on the screen.
    void reportWindow();
    // Hands the window manager one move-and-resize of the client area, with its size limits.
    void sendPlacement(const QRect& client);
    std::string searchPath() const;

    QtPlatformOptions options_;
    double twipsPerPixel_;
    LauncherEvents* launcher_ = nullptr;
    std::unique_ptr<LauncherWidget> window_;
    std::unique_ptr<WindowWatch> windowWatch_;
    std::unique_ptr<QAbstractNativeEventFilter> managerWatch_;
    bool placedByManager_ = false;
    // The window manager's frame as last reported; the client area is placed inside it.
    QMarginsF frame_;
    // The client size last asked for until the windowing system has it and it is held there.
    std::optional<QSize> placing_;
    // For a manager that lays out late: the step it has been given and not yet applied, the newest
    // one asked for meanwhile, and how many were passed over for it (a manager that never puts the
    // window quite where asked must not hold the steps up for long).
    std::optional<QRect> inFlight_;
    std::optional<QRect> next_;
    int passedOver_ = 0;
    std::array<QTimer*, kAnimationCount> timers_{};
    ClockSeededRandom random_;
};

}  // namespace kebo::qt

// The launcher on the real Qt backend inside the test process, its folders and search path
// pointed at a temporary folder, its end recorded instead of ending the process.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

#include "launcher/launcher.h"
#include "platform/qt/launcher_widget.h"
#include "platform/qt/qt_platform.h"
#include "stub_programs.h"

namespace kebo::test {

// The launch takes at most 71 ticks of at most 199 ms; the boxes add their hold times.
inline constexpr int kLongestLaunchMs = 71 * 199 + 5000;

// Runs the event loop until `condition` holds; fails saying what it waited for when it does not
// within `timeoutMs`.
inline testing::AssertionResult waitFor(std::string_view what, int timeoutMs,
                                        const std::function<bool()>& condition) {
    if (QTest::qWaitFor(condition, timeoutMs)) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "waited " << timeoutMs << " ms in vain for " << what;
}

// Once every event posted before it has been delivered.
inline testing::AssertionResult postedEventsDelivered() {
    bool reached = false;
    QMetaObject::invokeMethod(
        qApp, [&reached] { reached = true; }, Qt::QueuedConnection);
    return waitFor("the events posted before", 5000, [&reached] { return reached; });
}

struct Ending {
    bool ended = false;
    bool minimised = false;
    int widthTwips = 0;
    bool boxOpen = false;
};

// Hands what the backend reports on to the launcher, counting each animation's ticks.
class QtLauncher final : public LauncherEvents {
public:
    QtLauncher()
        : windowsDir(dir.sub("windows")),
          systemDir(dir.sub("system")),
          bin(dir.sub("bin")),
          platform(options()),
          launcher(platform) {
        platform.attach(*this);
    }

    void post(const LauncherEvent& event) override {
        if (const auto* tick = std::get_if<event::TimerTicked>(&event)) {
            ++ticks_[static_cast<std::size_t>(tick->animation)];
        }
        launcher.post(event);
    }

    // The timer's ticks the backend reported, whether the launcher took them or not.
    int ticks(Animation animation) const { return ticks_[static_cast<std::size_t>(animation)]; }

    testing::AssertionResult openingOver() {
        return waitFor("the end of the opening", 10'000, [this] {
            return launcher.onScreen() && launcher.interval(Animation::Opening) == 0;
        });
    }

    // Started, with the opening over.
    testing::AssertionResult startOpened() {
        launcher.start();
        return openingOver();
    }

    qt::LauncherWidget& widget() { return platform.window(); }

    bool isIdle() {
        return widget().openButton()->isEnabled() && !widget().progressBar()->isVisible() &&
               widget().progressBar()->value() == 0 && !widget().busyLabel()->isVisible() &&
               launcher.interval(Animation::Progress) == 0 &&
               widget().cursor().shape() == Qt::ArrowCursor;
    }

    bool isWaiting() {
        const int interval = launcher.interval(Animation::Progress);
        return !widget().openButton()->isEnabled() && widget().progressBar()->isVisible() &&
               interval >= 100 && interval <= 199 && widget().cursor().shape() == Qt::WaitCursor;
    }

    TempDir dir;
    std::filesystem::path windowsDir;
    std::filesystem::path systemDir;
    std::filesystem::path bin;
    Ending ending;
    qt::QtPlatform platform;
    Launcher launcher;

private:
    qt::QtPlatformOptions options() {
        qt::QtPlatformOptions options;
        options.windowsFolder = windowsDir.string();
        options.systemFolder = systemDir.string();
        options.searchPath = bin.string() + ":" + systemDir.string();
        options.terminate = [this] {
            ending = {true, widget().windowState().testFlag(Qt::WindowMinimized),
                      launcher.window().width, launcher.boxOpen()};
        };
        return options;
    }

    std::array<int, kAnimationCount> ticks_{};
};

}  // namespace kebo::test

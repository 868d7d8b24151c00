// The launcher on the real Qt backend inside the test process, its folders and search path
// pointed at a temporary folder, its end recorded instead of ending the process.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <string>

#include "launcher/window_events.h"
#include "platform/qt/launcher_widget.h"
#include "platform/qt/qt_platform.h"
#include "stub_programs.h"

namespace kebo::test {

// The launch takes at most 71 ticks of at most 199 ms; the boxes add their hold times.
inline constexpr int kLongestLaunchMs = 71 * 199 + 5000;

struct Ending {
    bool ended = false;
    bool minimised = false;
    int widthTwips = 0;
    bool boxOpen = false;
};

class Launcher {
public:
    Launcher()
        : windowsDir(dir.sub("windows")),
          systemDir(dir.sub("system")),
          bin(dir.sub("bin")),
          platform(options(*this)),
          form(platform),
          events(form) {
        platform.attach(events);
    }

    // Started, with the opening animation over.
    void startOpened() {
        events.start();
        waitFor([this] { return platform.timerInterval(Timer::Timer2) == 0; }, 10'000);
    }

    qt::LauncherWidget& window() { return platform.window(); }

    bool isIdle() {
        return window().command1()->isEnabled() && !window().progressBar1()->isVisible() &&
               window().progressBar1()->value() == 0 && !window().label1()->isVisible() &&
               platform.timerInterval(Timer::Timer1) == 0 &&
               window().cursor().shape() == Qt::ArrowCursor;
    }

    bool isWaiting() {
        const int interval = platform.timerInterval(Timer::Timer1);
        return !window().command1()->isEnabled() && window().progressBar1()->isVisible() &&
               interval >= 100 && interval <= 199 && window().cursor().shape() == Qt::WaitCursor;
    }

    static bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
        return QTest::qWaitFor(condition, timeoutMs);
    }

    TempDir dir;
    std::filesystem::path windowsDir;
    std::filesystem::path systemDir;
    std::filesystem::path bin;
    Ending ending;

private:
    static qt::QtPlatformOptions options(Launcher& self) {
        qt::QtPlatformOptions options;
        options.windowsDirectory = self.windowsDir.string();
        options.systemDirectory = self.systemDir.string();
        options.searchPath = self.bin.string() + ":" + self.systemDir.string();
        options.terminate = [&self] {
            self.ending = {true, self.platform.window().windowState().testFlag(Qt::WindowMinimized),
                           self.platform.windowWidth(), self.platform.messageBoxOpen()};
        };
        return options;
    }

public:
    qt::QtPlatform platform;
    Form1 form;
    WindowEvents events;
};

}  // namespace kebo::test

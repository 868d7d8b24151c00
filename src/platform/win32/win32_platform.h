// What the launcher asks of the platform, as Win32 calls on the launcher frame.
#pragma once

#include <windows.h>

#include "platform/clock_seeded_random.h"
#include "platform/platform.h"
#include "platform/win32/launcher_frame.h"
#include "platform/win32/timer_resolution.h"

namespace kebo::win32 {

class Win32Platform final : public Platform {
public:
    explicit Win32Platform(LauncherFrame& frame) : frame_(frame) {}

    double twipsPerPixel() const override { return frame_.twipsPerPixel(); }
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
    char directorySeparator() const override { return '\\'; }
    std::string programFile(Program program) override;
    bool fileExists(const std::string& fullPath) override;
    std::optional<std::string> startProgram(Program program) override;

    void reseedRandom() override;
    double nextRandom() override;

    void endProgram() override;

    const TimerResolution& timerResolution() const { return timerResolution_; }

private:
    LauncherFrame& frame_;
    TimerResolution timerResolution_;
    ClockSeededRandom random_;
};

}  // namespace kebo::win32

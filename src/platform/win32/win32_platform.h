// The launcher's platform operations on the Win32 API.
#pragma once

#include <windows.h>

#include "platform/clock_seeded_random.h"
#include "platform/platform.h"
#include "platform/win32/launcher_frame.h"

namespace kebo::win32 {

class Win32Platform final : public Platform {
public:
    explicit Win32Platform(LauncherFrame& frame);

    double twipsPerPixel() const override { return frame_.twipsPerPixel(); }
    void setMousePointer(MousePointer pointer) override;

    void setButtonEnabled(bool enabled) override;
    void setProgressBarVisible(bool visible) override;
    void setProgressBarValue(float value) override;
    void setLabelVisible(bool visible) override;

    bool fileExists(const std::string& fullPath) override;
    std::optional<std::string> startProgram(std::string_view fileName) override;
    std::uint32_t windowsDirectory(std::span<char> buffer) override;
    std::uint32_t systemDirectory(std::span<char> buffer) override;
    void reseedRandom() override;
    double nextRandom() override;

protected:
    PixelRect screenArea() const override;
    void applyWindowRect(const PixelRect& outer) override;
    void showWindow() override;
    void applyWindowState(WindowState state) override;
    void applyTimerInterval(Timer timer, int ms) override;
    int runMessageBox(std::string_view text, std::string_view caption, unsigned style) override;
    void terminate() override;

private:
    LauncherFrame& frame_;
    // Where the window state goes while the window has not been shown yet.
    WindowState stateWhenShown_ = WindowState::Normal;
    ClockSeededRandom random_;
};

}  // namespace kebo::win32

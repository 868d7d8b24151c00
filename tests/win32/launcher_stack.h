// The Windows launcher window with its platform and the launcher, made in the test's own process
// as the program makes them, but not started.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "launcher/launcher.h"
#include "platform/win32/launcher_frame.h"
#include "platform/win32/win32_platform.h"

namespace kebo::win32 {

class LauncherStack : public ::testing::Test {
protected:
    void SetUp() override {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&controls);
        frame = LauncherFrame::create(GetModuleHandleW(nullptr));
        ASSERT_NE(frame, nullptr);
        platform = std::make_unique<Win32Platform>(*frame);
        launcher = std::make_unique<Launcher>(*platform);
        frame->attach(*launcher);
    }

    HWND window() const { return frame->window(); }

    // Declared in the order of making: the window goes last, and tells no one any more.
    std::unique_ptr<LauncherFrame> frame;
    std::unique_ptr<Win32Platform> platform;
    std::unique_ptr<Launcher> launcher;
};

}  // namespace kebo::win32

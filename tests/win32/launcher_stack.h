// The Windows launcher window with its platform, logic and event delivery, made in the test's own
// process as the program makes them, but not started.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "launcher/launcher_window.h"
#include "launcher/window_events.h"
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
        form = std::make_unique<Form1>(*platform);
        events = std::make_unique<WindowEvents>(*form);
        frame->attach(*events);
    }

    void TearDown() override {
        events.reset();
        form.reset();
        platform.reset();
        frame.reset();
    }

    HWND window() const { return frame->window(); }

    std::unique_ptr<LauncherFrame> frame;
    std::unique_ptr<Win32Platform> platform;
    std::unique_ptr<Form1> form;
    std::unique_ptr<WindowEvents> events;
};

}  // namespace kebo::win32

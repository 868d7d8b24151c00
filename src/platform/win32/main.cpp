// kebo on Windows: the launcher window on the Win32 API.
#include <windows.h>

#include <commctrl.h>

#include "launcher/launcher_window.h"
#include "launcher/window_events.h"
#include "platform/win32/launcher_frame.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);

    const auto frame = kebo::win32::LauncherFrame::create(instance);
    if (!frame) {
        return 1;
    }
    kebo::win32::Win32Platform platform(*frame);
    kebo::Form1 form(platform);
    kebo::WindowEvents events(form);
    frame->attach(events);

    events.start();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The dialog keys (Tab, Enter, Space on the focused button) as in any dialog.
        if (IsDialogMessageW(frame->window(), &message) == FALSE) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}

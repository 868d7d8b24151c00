// kebo on Windows: the launcher served by the Win32 backend.
#include <windows.h>

#include <commctrl.h>

#include "launcher/launcher.h"
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
    kebo::Launcher launcher(platform);
    frame->attach(launcher);

    launcher.start();
    // The launcher ends the program itself; the loop runs until then.
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

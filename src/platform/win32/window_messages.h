// The launcher window's message handling: every message that carries an event of the launcher is
// posted to it as one, and the few that change the window's appearance, keyboard or limits are
// answered here.
#pragma once

#include <windows.h>

namespace kebo::win32 {

LRESULT CALLBACK launcherWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kebo::win32

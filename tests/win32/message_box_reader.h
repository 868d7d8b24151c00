// Reads a message box of the test or of kebo.exe as a user sees it, and answers it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/launcher_description.h"

namespace kebo::win32 {

struct MessageBoxView {
    HWND owner = nullptr;
    std::string text;             // UTF-8
    std::vector<Answer> buttons;  // the visible buttons, left to right
    std::optional<Answer> defaultButton;
    // None where no icon is shown, or none can be told yet (it is still being drawn).
    std::optional<BoxIcon> icon;
};

// The visible box (dialog class "#32770") with the caption `caption` of process `processId`.
HWND findMessageBox(DWORD processId, const wchar_t* caption);
MessageBoxView readMessageBox(HWND box);
// Clicks the button that gives `answer`.
void answerMessageBox(HWND box, Answer answer);

}  // namespace kebo::win32

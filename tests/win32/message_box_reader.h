// Reads a message box of another process as a user sees it, and answers it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace kebo::win32::end_to_end {

// The icons a box can show, by the style bits that ask for them.
enum class BoxIcon : unsigned {
    None = 0x00,
    Stop = 0x10,
    Question = 0x20,
    Exclamation = 0x30,
    Information = 0x40,
    Unrecognised = 0xF0,
};

struct MessageBoxView {
    HWND owner = nullptr;
    std::string text;          // UTF-8
    std::vector<int> buttons;  // the answer codes of the visible buttons, left to right
    std::optional<int> defaultButton;
    BoxIcon icon = BoxIcon::Unrecognised;
};

// The visible box (dialog class "#32770") with the caption `caption` of process `processId`.
HWND findMessageBox(DWORD processId, const wchar_t* caption);
MessageBoxView readMessageBox(HWND box);
// Clicks the button with the answer code `answer`.
void answerMessageBox(HWND box, int answer);

}  // namespace kebo::win32::end_to_end

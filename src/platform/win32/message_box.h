#pragma once

#include <windows.h>

#include <string_view>

namespace kebo::win32 {

// MessageBoxW owned by `owner` (so modal to it), with the style word as it stands; returns the
// answer code.
int showMessageBox(HWND owner, std::string_view text, std::string_view caption, unsigned style);

}  // namespace kebo::win32

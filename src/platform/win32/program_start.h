#pragma once

#include <string_view>

namespace kebo::win32 {

// Starts a program by its bare file name in a normal window that takes the focus, found by
// Windows' program search except in the current directory, and does not wait for it. A failure
// is one line on stderr.
void startProgram(std::string_view fileName);

}  // namespace kebo::win32

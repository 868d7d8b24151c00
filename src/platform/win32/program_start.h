#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kebo::win32 {

// Starts a program by its bare file name in a normal window that takes the focus, found by
// Windows' program search except in the current directory, and does not wait for it. The program
// gets the environment as the launcher has it. Returns Windows' description of the error (UTF-8)
// when it cannot be started.
std::optional<std::string> startProgram(std::string_view fileName);

}  // namespace kebo::win32

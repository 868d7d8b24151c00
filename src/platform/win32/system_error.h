#pragma once

#include <windows.h>

#include <string>

namespace kebo::win32 {

// Windows' own description of an error code, in UTF-8 without the trailing line break.
std::string systemErrorText(DWORD error);

}  // namespace kebo::win32

// The program's texts are UTF-8; Windows' wide (...W) functions take UTF-16. Only this backend
// converts between them.
#pragma once

#include <string>
#include <string_view>

namespace kebo::win32 {

// Text that is not valid UTF-8 is taken to be in the ANSI code page: it came from an ...A query
// on a Windows that ignores the manifest's request for UTF-8 as that code page.
std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

}  // namespace kebo::win32

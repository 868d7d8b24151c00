// The program's texts are UTF-8; Windows' wide (...W) functions take UTF-16. Only this backend
// converts between them.
#pragma once

#include <string>
#include <string_view>

namespace kebo::win32 {

std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

}  // namespace kebo::win32

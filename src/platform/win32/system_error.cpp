#include "platform/win32/system_error.h"

#include <string_view>

#include "platform/win32/wide_text.h"

namespace kebo::win32 {

std::string systemErrorText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (length == 0) {
        return "error " + std::to_string(error);
    }
    std::wstring_view description(text, length);
    while (!description.empty() && (description.back() == L'\n' || description.back() == L'\r' ||
                                    description.back() == L' ')) {
        description.remove_suffix(1);
    }
    std::string utf8 = narrow(description);
    LocalFree(text);
    return utf8;
}

}  // namespace kebo::win32

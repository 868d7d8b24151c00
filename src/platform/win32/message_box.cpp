#include "platform/win32/message_box.h"

#include "platform/win32/wide_text.h"

namespace kebo::win32 {

int showMessageBox(HWND owner, std::string_view text, std::string_view caption, unsigned style) {
    return MessageBoxW(owner, widen(text).c_str(), widen(caption).c_str(), style);
}

}  // namespace kebo::win32

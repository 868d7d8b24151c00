#include "messages/start_failure.h"

namespace kebo {

std::string startFailureText(std::string_view program, std::string_view reason) {
    std::string text = "プログラム「";
    text += program;
    text += "」を起動できませんでした。\n理由：";
    text += reason;
    return text;
}

}  // namespace kebo

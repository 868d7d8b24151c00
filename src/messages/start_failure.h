// The box shown when the program chosen at the end of a launch cannot be started. Unlike the
// catalogue's boxes it names the program and the system's reason, so its text is made each time.
#pragma once

#include <string>
#include <string_view>

#include "messages/message_catalogue.h"

namespace kebo {

inline constexpr unsigned kStartFailureStyle = kStyleOk | kStyleIconStop;

// "プログラム「<program>」を起動できませんでした。" and, on a line of its own, the reason.
std::string startFailureText(std::string_view program, std::string_view reason);

}  // namespace kebo

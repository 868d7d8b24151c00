// The window's timers 1 to 3 are Timer1 to Timer3.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/platform.h"

namespace kebo::win32 {

constexpr UINT_PTR timerId(Timer timer) {
    return static_cast<UINT_PTR>(timer) + 1;
}

constexpr std::optional<Timer> timerForId(WPARAM id) {
    if (id < 1 || id > kTimerCount) {
        return std::nullopt;
    }
    return static_cast<Timer>(id - 1);
}

}  // namespace kebo::win32

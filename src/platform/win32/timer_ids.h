// Each animation ticks as a timer of the window with an id of its own, 1 to 3; 0 is no timer.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/platform.h"

namespace kebo::win32 {

constexpr UINT_PTR timerId(Animation animation) {
    return static_cast<UINT_PTR>(animation) + 1;
}

constexpr std::optional<Animation> animationOfTimer(WPARAM id) {
    if (id < 1 || id > kAnimationCount) {
        return std::nullopt;
    }
    return static_cast<Animation>(id - 1);
}

}  // namespace kebo::win32

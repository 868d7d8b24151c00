#include "platform/win32/timer_resolution.h"

#include <windows.h>

#include <mmsystem.h>

#include <algorithm>

namespace kebo::win32 {

namespace {

// Windows' own clock, 64 ticks a second: a period shorter than this needs a finer one.
constexpr double kSystemClockMs = 1000.0 / 64;
constexpr UINT kFineClockMs = 1;

std::size_t index(Animation animation) {
    return static_cast<std::size_t>(animation);
}

}  // namespace

TimerResolution::~TimerResolution() {
    periods_.fill(0);
    update();
}

void TimerResolution::started(Animation animation, int periodMs) {
    periods_[index(animation)] = periodMs;
    update();
}

void TimerResolution::stopped(Animation animation) {
    periods_[index(animation)] = 0;
    update();
}

void TimerResolution::update() {
    const bool needed = std::any_of(periods_.begin(), periods_.end(), [](int period) {
        return period > 0 && period < kSystemClockMs;
    });
    if (needed == fine_) {
        return;
    }
    if (needed) {
        fine_ = timeBeginPeriod(kFineClockMs) == TIMERR_NOERROR;
    } else {
        timeEndPeriod(kFineClockMs);
        fine_ = false;
    }
}

}  // namespace kebo::win32

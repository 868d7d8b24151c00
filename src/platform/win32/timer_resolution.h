// Windows ticks timers only at its system clock, every 15.625 ms unless a process asks for a finer
// one (timeBeginPeriod), and rounds a shorter period up to it. kebo asks for 1 ms while a timer
// shorter than that runs, so that 10 ms ticks are 10 ms apart, and gives it back as soon as none
// does: a finer clock costs the whole system power, and the progress timer's 100 to 199 ms need
// none.
#pragma once

#include <array>

#include "platform/platform.h"

namespace kebo::win32 {

class TimerResolution {
public:
    TimerResolution() = default;
    TimerResolution(const TimerResolution&) = delete;
    TimerResolution& operator=(const TimerResolution&) = delete;
    ~TimerResolution();

    void started(Animation animation, int periodMs);
    void stopped(Animation animation);
    // Whether kebo holds the 1 ms clock.
    bool fine() const { return fine_; }

private:
    void update();

    std::array<int, kAnimationCount> periods_{};
    bool fine_ = false;
};

}  // namespace kebo::win32

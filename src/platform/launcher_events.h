// What happens on the platform, as a backend hands it to the launcher: the one door through which
// every click, timer tick, close request and report of the window comes in.
#pragma once

#include <variant>

#include "platform/platform.h"

namespace kebo {

enum class CloseReason {
    // The close button, the window menu, the keyboard.
    User,
    // The desktop session ends: once that is certain, not at a save that may still be called off.
    SessionEnding,
    // A task manager or process manager ends the program.
    TaskManager,
};

namespace event {

struct ButtonClicked {};
struct TimerTicked {
    Animation animation;
};
struct CloseRequested {
    CloseReason reason;
};
// The window's outer rectangle, frame included, as the windowing system has it: after a change of
// the launcher's own (late, perhaps), or from outside (the user moved it, the window manager
// placed it, a minimum size holds it). The first after the window is shown tells that it is on
// the screen. Not while the window is minimised.
struct WindowReported {
    PixelRect outer;
};
// The window moved to a screen of another DPI: twipsPerPixel() has changed, and the windowing
// system suggests this rectangle for it.
struct DpiChanged {
    PixelRect suggested;
};

}  // namespace event

using LauncherEvent = std::variant<event::ButtonClicked, event::TimerTicked, event::CloseRequested,
                                   event::WindowReported, event::DpiChanged>;

class LauncherEvents {
public:
    // Events come on the window's thread, also from inside the nested loop of an open box. One
    // that comes while the launcher is handing the platform a change is taken after that change.
    virtual void post(const LauncherEvent& event) = 0;

protected:
    ~LauncherEvents() = default;
};

}  // namespace kebo

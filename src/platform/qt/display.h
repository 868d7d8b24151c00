// Choosing the display before Qt starts, and flushing it before the process ends.
#pragma once

namespace kebo::qt {

// Wayland clients cannot place their own windows, and the launcher moves its window; so when the
// user has not chosen a Qt platform and an X display answers, the program runs on xcb (XWayland
// on a Wayland desktop). Returns false after printing one line on stderr when no display can be
// reached at all.
bool chooseDisplay();

// Sends the requests still buffered for the X server (a minimise, say) before an immediate exit.
void flushDisplay();

}  // namespace kebo::qt

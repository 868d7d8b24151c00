// Startup notification on X11: before a program is started on the user's behalf, the desktop is
// told that it is coming and when the user asked for it. The window manager then lets the
// program's first window take the focus, which focus-stealing prevention would otherwise keep
// behind the launcher, and may show that it is starting. The program finds the sequence's id in
// DESKTOP_STARTUP_ID and ends the sequence when its window appears.
#pragma once

#include <string>
#include <string_view>

struct SnDisplay;
struct SnLauncherContext;
struct xcb_connection_t;

namespace kebo::qt {

class StartupNotification {
public:
    // Announces the start of `program` (its bare name), dated now, just after the user's answer
    // that asked for it. Without an X11 display nothing is announced and the id stays empty.
    explicit StartupNotification(std::string_view program);
    StartupNotification(const StartupNotification&) = delete;
    StartupNotification& operator=(const StartupNotification&) = delete;
    ~StartupNotification();

    // For the program's DESKTOP_STARTUP_ID; empty when nothing was announced.
    const std::string& id() const { return id_; }
    // Ends the sequence at once: the program did not start.
    void cancel();

private:
    xcb_connection_t* connection_ = nullptr;
    SnDisplay* display_ = nullptr;
    SnLauncherContext* context_ = nullptr;
    std::string id_;
};

}  // namespace kebo::qt

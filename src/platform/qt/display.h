// Choosing the display before Qt starts, and flushing it before the process ends.
#pragma once

#include <vector>

struct xcb_connection_t;

namespace kebo::qt {

enum class DisplayChoice {
    // No display can be reached; one line on stderr has said so.
    None,
    // Qt's own choice: the user's QT_QPA_PLATFORM, or Wayland when there is no X display.
    QtDefault,
    X11,
};

// Wayland clients cannot place their own windows, and the launcher moves its window; so when the
// user has not chosen a Qt platform and an X display answers, the program runs on xcb (XWayland
// on a Wayland desktop).
DisplayChoice chooseDisplay();

// QApplication's arguments: the program's own, with "-platform xcb" before them when the choice
// is X11. An argument, not QT_QPA_PLATFORM, so that the programs kebo starts keep the user's
// environment (a Qt editor would otherwise run on XWayland as well); a -platform of the user's
// own comes later and still wins.
class ApplicationArguments {
public:
    ApplicationArguments(int argc, char** argv, DisplayChoice display);
    // For QApplication, which keeps both and takes out the arguments it handles.
    int& count() { return count_; }
    char** values() { return values_.data(); }

private:
    std::vector<char*> values_;
    int count_ = 0;
};

// The connection to the X server that Qt uses; none without an X11 display or a GUI application.
xcb_connection_t* xConnection();

// Sends the requests still buffered for the X server (a minimise, say) before an immediate exit.
void flushDisplay();

}  // namespace kebo::qt

// The one door through which every backend hands events to the launcher window.
//
// A message box runs a nested event loop, and both Windows and Qt keep delivering timer ticks
// and close requests inside it. Entering a handler there would, for instance, let a progress tick
// open a second copy of the box that is already waiting for an answer. So while a box is open no
// handler is entered: a tick is dropped (the timer keeps running and ticks again after the box),
// a click cannot happen, and an ordinary close request is refused without a word, as the box is
// modal to the window. Only the end of the session and the task manager still end the program.
// After the program has ended nothing is delivered at all.
//
// What a handler writes to the window's geometry reaches the window once, after the handler
// returns: an animation step is one move-and-resize, never four shapes in a row.
#pragma once

#include <cstdint>

#include "launcher/launcher_window.h"

namespace kebo {

class WindowEvents {
public:
    explicit WindowEvents(Form1& form) : form_(form) {}

    // Loads the window and shows it at its start-up position.
    void start();
    void timerTick(Timer timer);
    // A click of Command1; the backend delivers it only while the button is enabled.
    void click();
    // Returns true when the close is refused and the window stays.
    bool closeRequest(std::int16_t reason);
    // The window's outer rectangle as the windowing system reports it; delivered while a box is
    // open too, as the user may move the window meanwhile.
    void geometryReported(const PixelRect& outer);

private:
    bool handlersBlocked();
    void handlerDone();

    Form1& form_;
};

}  // namespace kebo

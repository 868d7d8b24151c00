#include "launcher/window_events.h"

namespace kebo {

bool WindowEvents::handlersBlocked() {
    const Platform& platform = form_.platform();
    return platform.ended() || platform.messageBoxOpen();
}

void WindowEvents::handlerDone() {
    form_.platform().applyWindowGeometry();
}

void WindowEvents::start() {
    form_.Form_Load();
    form_.platform().showWindowCentred();
}

void WindowEvents::timerTick(Timer timer) {
    if (handlersBlocked()) {
        return;
    }
    switch (timer) {
        case Timer::Timer1:
            form_.Timer1_Timer();
            break;
        case Timer::Timer2:
            form_.Timer2_Timer();
            break;
        case Timer::Timer3:
            form_.Timer3_Timer();
            break;
    }
    handlerDone();
}

void WindowEvents::click() {
    if (!handlersBlocked()) {
        form_.Command1_Click();
        handlerDone();
    }
}

bool WindowEvents::closeRequest(std::int16_t reason) {
    if (form_.platform().ended()) {
        return false;
    }
    const bool endsAtOnce =
        reason == kCloseReasonSessionEnding || reason == kCloseReasonTaskManager;
    if (form_.platform().messageBoxOpen() && !endsAtOnce) {
        return true;
    }
    std::int16_t cancel = 0;
    form_.Form_QueryUnload(cancel, reason);
    handlerDone();
    return cancel != 0;
}

void WindowEvents::geometryReported(const PixelRect& outer) {
    form_.platform().windowGeometryReported(outer);
}

}  // namespace kebo

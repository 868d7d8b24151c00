#include "platform/web/page_events.h"

#include <emscripten/emscripten.h>

namespace kebo::web {

namespace {

LauncherEvents* target = nullptr;

void post(const LauncherEvent& event) {
    if (target != nullptr) {
        target->post(event);
    }
}

}  // namespace

void sendPageEventsTo(LauncherEvents& launcher) {
    target = &launcher;
}

}  // namespace kebo::web

// Called by the page's JavaScript (web_platform.cpp connects them), so with C names.
extern "C" {

EMSCRIPTEN_KEEPALIVE void kebo_web_button_clicked() {
    kebo::web::post(kebo::event::ButtonClicked{});
}

EMSCRIPTEN_KEEPALIVE void kebo_web_timer_ticked(int animation) {
    if (animation >= 0 && static_cast<std::size_t>(animation) < kebo::kAnimationCount) {
        kebo::web::post(kebo::event::TimerTicked{static_cast<kebo::Animation>(animation)});
    }
}

// The window's close button.
EMSCRIPTEN_KEEPALIVE void kebo_web_close_clicked() {
    kebo::web::post(kebo::event::CloseRequested{kebo::CloseReason::User});
}

// The page is closed, reloaded or left: the end of the session that kebo runs in.
EMSCRIPTEN_KEEPALIVE void kebo_web_page_hidden() {
    kebo::web::post(kebo::event::CloseRequested{kebo::CloseReason::SessionEnding});
}

EMSCRIPTEN_KEEPALIVE void kebo_web_window_reported(int left, int top, int width, int height) {
    kebo::web::post(kebo::event::WindowReported{{left, top, width, height}});
}
}

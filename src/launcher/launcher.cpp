#include "launcher/launcher.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kebo {

namespace {

// Keeps the box counted as open however the box's call is left.
class OpenBox {
public:
    explicit OpenBox(int& count) : count_(count) { ++count_; }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;
    ~OpenBox() { --count_; }

private:
    int& count_;
};

}  // namespace

void Launcher::start() {
    load();
    centre();
    shown_ = Shown::Placing;
    change([this] { platform_.showWindow(); });
}

void Launcher::post(const LauncherEvent& event) {
    if (changing_) {
        reportedMeanwhile_.push_back(event);
        return;
    }
    dispatch(event);
}

template <typename Change>
void Launcher::change(Change&& change) {
    changing_ = true;
    std::forward<Change>(change)();
    changing_ = false;
    while (!reportedMeanwhile_.empty() && !changing_) {
        const LauncherEvent event = reportedMeanwhile_.front();
        reportedMeanwhile_.pop_front();
        dispatch(event);
    }
}

// A box runs a nested event loop, and the platforms keep delivering ticks and close requests in
// it. Entering a handler there would, for instance, let a progress tick open a second copy of the
// box that is waiting for an answer. So while a box is open no handler runs: a tick is dropped
// (the timer ticks again after the box), a click cannot happen, and the user's close is refused
// without a word, as the box is modal to the window. The end of the session and the task manager
// still end the program. After the end nothing comes in at all.
void Launcher::dispatch(const LauncherEvent& event) {
    if (ended_) {
        return;
    }
    std::visit([this](const auto& e) { handle(e); }, event);
}

void Launcher::handle(const event::ButtonClicked&) {
    if (boxOpen() || !onScreen() || !buttonEnabled_) {
        return;
    }
    openClicked();
    applyGeometry();
}

void Launcher::handle(const event::TimerTicked& tick) {
    if (boxOpen() || !onScreen() || interval(tick.animation) == 0) {
        return;
    }
    switch (tick.animation) {
        case Animation::Opening:
            openingStep();
            break;
        case Animation::Progress:
            progressStep();
            break;
        case Animation::Farewell:
            farewellStep();
            break;
    }
    applyGeometry();
}

void Launcher::handle(const event::CloseRequested& request) {
    if (boxOpen() && request.reason == CloseReason::User) {
        return;
    }
    closeRequested(request.reason);
    applyGeometry();
}

// Delivered while a box is open too, as the user may move the window meanwhile.
void Launcher::handle(const event::WindowReported& report) {
    geometry_.reported(report.outer, platform_.twipsPerPixel());
    if (shown_ != Shown::Placing) {
        return;
    }
    // The first word of the window on the screen. Where the windowing system has framed it
    // otherwise than expected or holds it at a minimum size, it is centred again at the size it
    // has; and the animations set meanwhile start now, so that the opening starts from it.
    shown_ = Shown::OnScreen;
    centre();
    for (const Animation animation :
         {Animation::Opening, Animation::Progress, Animation::Farewell}) {
        if (interval(animation) != 0) {
            setInterval(animation, interval(animation));
        }
    }
}

void Launcher::handle(const event::DpiChanged& change) {
    geometry_.rescaled(change.suggested, platform_.twipsPerPixel());
    applyGeometry();
}

void Launcher::setLeft(int twips) {
    TwipsRect rect = window();
    rect.left = twips;
    geometry_.write(rect);
}

void Launcher::setTop(int twips) {
    TwipsRect rect = window();
    rect.top = twips;
    geometry_.write(rect);
}

void Launcher::setWidth(int twips) {
    TwipsRect rect = window();
    rect.width = std::max(twips, 0);
    geometry_.write(rect);
}

void Launcher::setHeight(int twips) {
    TwipsRect rect = window();
    rect.height = std::max(twips, 0);
    geometry_.write(rect);
}

void Launcher::applyGeometry() {
    if (ended_) {
        return;
    }
    if (const auto rect = geometry_.toApply(platform_.twipsPerPixel())) {
        change([this, rect] { platform_.placeWindow(*rect); });
    }
}

// On the work area, the screen without the desktop's panels, wherever that starts.
void Launcher::centre() {
    const PixelRect area = platform_.workArea();
    const double perPixel = platform_.twipsPerPixel();
    TwipsRect rect = window();
    rect.left =
        static_cast<int>(std::lround(((2 * area.left + area.width) * perPixel - rect.width) / 2));
    rect.top =
        static_cast<int>(std::lround(((2 * area.top + area.height) * perPixel - rect.height) / 2));
    geometry_.write(rect);
    applyGeometry();
}

// The last shrink of the farewell is seen before the window is minimised.
void Launcher::minimise() {
    applyGeometry();
    change([this] { platform_.minimiseWindow(); });
}

void Launcher::setInterval(Animation animation, int ms) {
    intervals_[index(animation)] = ms;
    if (!onScreen()) {
        return;
    }
    if (ms == 0) {
        platform_.stopTimer(animation);
    } else {
        platform_.startTimer(animation, std::max(ms, kShortestTimerPeriodMs));
    }
}

void Launcher::setButtonEnabled(bool enabled) {
    buttonEnabled_ = enabled;
    platform_.setButtonEnabled(enabled);
}

Answer Launcher::ask(const Box& box) {
    applyGeometry();
    const OpenBox open(openBoxes_);
    return platform_.showBox(box);
}

void Launcher::end() {
    applyGeometry();
    ended_ = true;
    platform_.endProgram();
}

}  // namespace kebo

#include "platform/platform.h"

#include <algorithm>
#include <cmath>

namespace kebo {

namespace {

std::size_t indexOf(Timer timer) {
    return static_cast<std::size_t>(timer);
}

// Keeps the box counted as open however the box's call is left.
class OpenBoxCount {
public:
    explicit OpenBoxCount(int& count) : count_(count) { ++count_; }
    OpenBoxCount(const OpenBoxCount&) = delete;
    OpenBoxCount& operator=(const OpenBoxCount&) = delete;
    ~OpenBoxCount() { --count_; }

private:
    int& count_;
};

}  // namespace

void Platform::setWindowLeft(int twips) {
    TwipsRect rect = geometry_.record();
    rect.left = twips;
    geometry_.write(rect);
}

void Platform::setWindowTop(int twips) {
    TwipsRect rect = geometry_.record();
    rect.top = twips;
    geometry_.write(rect);
}

void Platform::setWindowWidth(int twips) {
    TwipsRect rect = geometry_.record();
    rect.width = std::max(twips, 0);
    geometry_.write(rect);
}

void Platform::setWindowHeight(int twips) {
    TwipsRect rect = geometry_.record();
    rect.height = std::max(twips, 0);
    geometry_.write(rect);
}

void Platform::centreWindow() {
    const PixelRect screen = screenArea();
    const double perPixel = twipsPerPixel();
    TwipsRect rect = geometry_.record();
    rect.left = static_cast<int>(
        std::lround(((2 * screen.left + screen.width) * perPixel - rect.width) / 2));
    rect.top = static_cast<int>(
        std::lround(((2 * screen.top + screen.height) * perPixel - rect.height) / 2));
    geometry_.write(rect);
    applyWindowGeometry();
}

void Platform::showWindowCentred() {
    centreWindow();
    shown_ = Shown::Placing;
    showWindow();
}

void Platform::setWindowState(WindowState state) {
    applyWindowGeometry();
    applyWindowState(state);
}

void Platform::applyWindowGeometry() {
    if (ended_) {
        return;
    }
    if (const auto rect = geometry_.toApply(twipsPerPixel())) {
        applyWindowRect(*rect);
    }
}

void Platform::windowGeometryReported(const PixelRect& outer) {
    if (ended_) {
        return;
    }
    if (const auto rect = geometry_.reported(outer, twipsPerPixel())) {
        applyWindowRect(*rect);
    }
    if (shown_ == Shown::Placing) {
        shown_ = Shown::OnScreen;
        // The first word of the window on the screen. Where the windowing system has framed it
        // otherwise than expected or holds it at a minimum size, it is centred again at the size
        // it has; and the timers set meanwhile start now, so that the opening starts from it.
        centreWindow();
        for (std::size_t i = 0; i < kTimerCount; ++i) {
            if (timerIntervals_[i] != 0) {
                applyTimerInterval(static_cast<Timer>(i), timerIntervals_[i]);
            }
        }
    }
}

void Platform::setTimerInterval(Timer timer, int ms) {
    timerIntervals_[indexOf(timer)] = ms;
    if (!windowOnScreen()) {
        return;
    }
    applyTimerInterval(timer, ms);
}

int Platform::timerInterval(Timer timer) const {
    return timerIntervals_[indexOf(timer)];
}

int Platform::showMessageBox(std::string_view text, std::string_view caption, unsigned style) {
    applyWindowGeometry();
    const OpenBoxCount open(openMessageBoxes_);
    return runMessageBox(text, caption, style);
}

std::string Platform::localFileName(std::string_view programName) {
    return std::string(programName);
}

void Platform::endProgram() {
    applyWindowGeometry();
    ended_ = true;
    terminate();
}

}  // namespace kebo

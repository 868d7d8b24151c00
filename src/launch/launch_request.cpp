#include <cmath>

#include "launcher/launcher.h"

namespace kebo {

void Launcher::openClicked() {
    if (ask(boxes::kAskOpen) == Answer::No) {
        ask(boxes::kRefusalOverridden);
    }
    ask(boxes::kPleaseWait);
    beginWaiting(true);
}

void Launcher::beginWaiting(bool showLabel) {
    platform_.setProgressVisible(true);
    setButtonEnabled(false);
    platform_.reseedRandom();
    // Not floor(r * 100 + 100): for the largest r below 1 that sum rounds up to 200, while r * 100
    // stays below 100.
    state_.lastDraw = static_cast<float>(std::floor(platform_.nextRandom() * 100) + 100);
    setInterval(Animation::Progress, static_cast<int>(state_.lastDraw));
    if (showLabel) {
        platform_.setBusyLabelVisible(true);
    }
    platform_.setBusyPointer(true);
}

}  // namespace kebo

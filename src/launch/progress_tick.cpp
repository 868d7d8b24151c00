#include <cmath>

#include "launcher/launcher.h"

namespace kebo {

namespace {

constexpr int kLastRandomTick = 50;
constexpr float kFixedStep = 500;
constexpr float kFullProgress = 10000;

}  // namespace

void Launcher::progressStep() {
    if (state_.tickCount <= kLastRandomTick) {
        platform_.reseedRandom();
        state_.lastDraw = static_cast<float>(std::floor(platform_.nextRandom() * 500 + 1));
        if (state_.lastDraw >= 300) {
            // Six large steps in ten are cut to a tenth, so the bar mostly creeps.
            const double d = std::floor(platform_.nextRandom() * 10);
            if (d <= 5) {
                state_.lastDraw = std::floor(state_.lastDraw / 10);
            }
        }
        state_.progress += state_.lastDraw;
    } else {
        state_.progress += kFixedStep;
    }

    if (state_.progress > kFullProgress) {
        completeLaunch();
    } else {
        platform_.setProgressValue(static_cast<int>(state_.progress));
        if (state_.blinkCount > 2) {
            state_.blinkCount = 0;
            platform_.setBusyLabelVisible(true);
        } else {
            ++state_.blinkCount;
            platform_.setBusyLabelVisible(false);
        }
    }
    state_.tickCount = static_cast<std::int16_t>(state_.tickCount + 1);
}

}  // namespace kebo

#include <cmath>

#include "launcher/launcher_window.h"
#include "messages/show_message.h"

namespace kebo {

void Form1::Command1_Click() {
    if (showMessage(platform_, MessageId::MsgAskOpen) == kAnswerNo) {
        showMessage(platform_, MessageId::MsgRefusalFailed);
    }
    showMessage(platform_, MessageId::MsgPleaseWait);
    BeginWaiting(true);
}

void Form1::BeginWaiting(bool showLabel) {
    platform_.setProgressBarVisible(true);
    platform_.setButtonEnabled(false);
    platform_.reseedRandom();
    // Not floor(r * 100 + 100): for the largest r below 1 that sum rounds up to 200, while r * 100
    // stays below 100.
    state_.lastDraw = static_cast<float>(std::floor(platform_.nextRandom() * 100) + 100);
    platform_.setTimerInterval(Timer::Timer1, static_cast<int>(state_.lastDraw));
    if (showLabel) {
        platform_.setLabelVisible(true);
    }
    platform_.setMousePointer(MousePointer::Hourglass);
}

}  // namespace kebo

#include "launcher/launcher_window.h"
#include "messages/show_message.h"

namespace kebo {

void Form1::Form_QueryUnload(std::int16_t& cancel, std::int16_t closeReason) {
    if (closeReason == kCloseReasonSessionEnding || closeReason == kCloseReasonTaskManager) {
        platform_.endProgram();
        return;
    }
    cancel = 1;
    if (platform_.timerInterval(Timer::Timer1) > 0) {
        return;
    }

    if (showMessage(platform_, MessageId::MsgAskQuit) != kAnswerYes ||
        showMessage(platform_, MessageId::MsgAskQuitReally) != kAnswerYes) {
        return;
    }
    if (showMessage(platform_, MessageId::MsgAskRelaunch) == kAnswerYes) {
        showMessage(platform_, MessageId::MsgPleaseWait);
        BeginWaiting(false);
        return;
    }
    if (showMessage(platform_, MessageId::MsgAskCancelClose) == kAnswerNo &&
        showMessage(platform_, MessageId::MsgAskGoodbye) != kAnswerNo) {
        showMessage(platform_, MessageId::MsgSeeYou);
        platform_.setTimerInterval(Timer::Timer3, 1);
        return;
    }
    showMessage(platform_, MessageId::MsgBackToLauncher);
}

}  // namespace kebo

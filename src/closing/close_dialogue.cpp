#include "launcher/launcher.h"

namespace kebo {

// Every way of this dialogue keeps the window; only the farewell ends the program, later.
void Launcher::closeRequested(CloseReason reason) {
    if (reason == CloseReason::SessionEnding || reason == CloseReason::TaskManager) {
        end();
        return;
    }
    if (interval(Animation::Progress) > 0) {
        return;
    }

    if (ask(boxes::kAskQuit) != Answer::Yes || ask(boxes::kAskQuitReally) != Answer::Yes) {
        return;
    }
    if (ask(boxes::kAskRelaunch) == Answer::Yes) {
        ask(boxes::kPleaseWait);
        beginWaiting(false);
        return;
    }
    if (ask(boxes::kAskCancelClose) == Answer::No && ask(boxes::kAskGoodbye) != Answer::No) {
        ask(boxes::kSeeYou);
        setInterval(Animation::Farewell, 1);
        return;
    }
    ask(boxes::kBackToLauncher);
}

}  // namespace kebo

// Turns the ways a Linux desktop ends a program into the launcher's close reasons: SIGTERM (a
// process manager's "End process") and SIGINT (Ctrl+C) are the task manager, SIGHUP and the
// session manager's order to end are the end of the session. A signal that was ignored when the
// program started (nohup, a background job of a script) stays ignored, and a save of the session
// that is not its end changes nothing. The user's own close (close button, window menu, Alt+F4)
// reaches the window as a close event instead.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "platform/launcher_events.h"

class QSocketNotifier;

namespace kebo::qt {

class CloseReasons final : public QObject {
public:
    // `closeRequest` receives the reason; it is called on the GUI thread, also inside the nested
    // loop of an open message box. Only one instance may exist at a time.
    explicit CloseReasons(std::function<void(CloseReason)> closeRequest);
    ~CloseReasons() override;
    CloseReasons(const CloseReasons&) = delete;
    CloseReasons& operator=(const CloseReasons&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readSignals();

    std::function<void(CloseReason)> closeRequest_;
    std::vector<int> handledSignals_;
    int readFd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace kebo::qt

#include "platform/qt/close_reasons.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace kebo::qt {

namespace {

constexpr std::array kClosingSignals{SIGTERM, SIGINT, SIGHUP};

// The write end of the self-pipe; a signal handler may only write a byte to it.
volatile std::sig_atomic_t signalWriteFd = -1;

void onSignal(int signalNumber) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(signalWriteFd, &byte, 1);
    errno = savedErrno;
}

CloseReason reasonFor(int signalNumber) {
    return signalNumber == SIGHUP ? CloseReason::SessionEnding : CloseReason::TaskManager;
}

}  // namespace

CloseReasons::CloseReasons(std::function<void(CloseReason)> closeRequest)
    : closeRequest_(std::move(closeRequest)) {
    std::array<int, 2> fds{};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fds.data()) != 0) {
        std::fprintf(stderr, "kebo: cannot watch for signals: %s\n", std::strerror(errno));
    } else {
        readFd_ = fds[0];
        signalWriteFd = fds[1];
        notifier_ = new QSocketNotifier(readFd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &CloseReasons::readSignals);
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (const int signalNumber : kClosingSignals) {
            // nohup and a script's background job ignore SIGHUP or SIGINT on purpose: keep it so.
            struct sigaction atStart {};
            ::sigaction(signalNumber, nullptr, &atStart);
            if (atStart.sa_handler != SIG_IGN) {
                ::sigaction(signalNumber, &action, nullptr);
                handledSignals_.push_back(signalNumber);
            }
        }
    }
    QCoreApplication::instance()->installEventFilter(this);
}

CloseReasons::~CloseReasons() {
    if (readFd_ < 0) {
        return;
    }
    for (const int signalNumber : handledSignals_) {
        std::signal(signalNumber, SIG_DFL);
    }
    delete notifier_;
    ::close(signalWriteFd);
    signalWriteFd = -1;
    ::close(readFd_);
}

// Qt delivers the session manager's order to end (XSMP "Die", sent once the logout or shutdown
// is certain) as a spontaneous Quit to the application, which would otherwise close the window
// as the user's close does. The session manager's saves, a checkpoint as well as the save before
// a logout that another program may still cancel, come as commitDataRequest and are left alone.
bool CloseReasons::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit &&
        event->spontaneous()) {
        closeRequest_(CloseReason::SessionEnding);
        return true;
    }
    return false;
}

void CloseReasons::readSignals() {
    unsigned char byte = 0;
    while (::read(readFd_, &byte, 1) == 1) {
        closeRequest_(reasonFor(byte));
    }
}

}  // namespace kebo::qt

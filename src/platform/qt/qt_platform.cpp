#include "platform/qt/qt_platform.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "platform/qt/display.h"
#include "platform/qt/launcher_widget.h"
#include "platform/qt/message_box.h"
#include "platform/qt/program_search.h"
#include "platform/qt/program_start.h"
#include "platform/qt/window_frame.h"

namespace kebo::qt {

namespace {

void exitAtOnce() {
    std::fflush(nullptr);
    flushDisplay();
    std::_Exit(0);
}

}  // namespace

// Calls `changed` once for all that the windowing system has said of the window at once (a move,
// a resize and an exposure often come together), in the event loop's next turn.
class WindowWatch final : public QObject {
public:
    explicit WindowWatch(std::function<void()> changed) {
        soon_.setSingleShot(true);
        soon_.setInterval(0);
        QObject::connect(&soon_, &QTimer::timeout, std::move(changed));
    }
    void changed() {
        if (!soon_.isActive()) {
            soon_.start();
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (event->spontaneous() &&
            (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Expose)) {
            changed();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QTimer soon_;
};

QtPlatform::QtPlatform(QtPlatformOptions options)
    : options_(std::move(options)),
      twipsPerPixel_(kebo::twipsPerPixel(QGuiApplication::primaryScreen()->logicalDotsPerInchX())) {
    if (!options_.terminate) {
        options_.terminate = exitAtOnce;
    }
    window_ = std::make_unique<LauncherWidget>(
        twipsPerPixel_, [this] { launcher_->post(event::ButtonClicked{}); },
        [this] { launcher_->post(event::CloseRequested{CloseReason::User}); });
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        auto* timer = new QTimer(window_.get());
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, window_.get(), [this, i] {
            launcher_->post(event::TimerTicked{static_cast<Animation>(i)});
        });
        timers_[i] = timer;
    }
    // The native window now, so that the window manager hears of it before it is shown.
    window_->winId();
    QWindow& handle = *window_->windowHandle();
    setFixedBorder(handle);
    frame_ = frameBeforeShow(handle).value_or(QMarginsF());
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::reportWindow() {
    // Not before the window manager has placed it; a minimised window has no place of its own.
    if (!placedByManager_ || window_->isMinimized()) {
        return;
    }
    if (const auto now = framedWindow(*window_->windowHandle())) {
        frame_ = now->frame;
        if (placing_ && holdSize(*window_->windowHandle(), *placing_)) {
            placing_.reset();
        }
        if (next_ && placedAt(*window_->windowHandle(), *inFlight_)) {
            sendPlacement(*std::exchange(next_, std::nullopt));
        }
        launcher_->post(event::WindowReported{now->outer});
    }
}

PixelRect QtPlatform::workArea() const {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

void QtPlatform::placeWindow(const PixelRect& outer) {
    const QRect client = clientFor(outer, frame_);
    if (windowWatch_ != nullptr && xConnection() != nullptr) {
        constexpr int kMostPassedOver = 3;
        if (inFlight_ && passedOver_ < kMostPassedOver &&
            !placedAt(*window_->windowHandle(), *inFlight_)) {
            next_ = client;
            ++passedOver_;
            return;
        }
        sendPlacement(client);
        return;
    }
    // Limits still in force would hold a growing window at the maximum, a shrinking one at the
    // minimum. The size is fixed again at once: Qt hands it to the windowing system with the
    // geometry (on X11 before it maps the window, so that a tiling manager floats it).
    window_->setMinimumSize(0, 0);
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window_->setGeometry(client);
    window_->setFixedSize(window_->size());
    // Until it is shown the window is Qt's alone, and has at once what Qt gave it: never less
    // than a pixel inside its frame.
    if (windowWatch_ == nullptr) {
        const PixelRect given = outerFor(window_->geometry(), frame_);
        if (given != outer) {
            launcher_->post(event::WindowReported{given});
        }
    }
}

void QtPlatform::showWindow() {
    windowWatch_ = std::make_unique<WindowWatch>([this] { reportWindow(); });
    QWindow& handle = *window_->windowHandle();
    handle.installEventFilter(windowWatch_.get());
    // A window manager places a new window in steps (kwin frames it, then holds it at the
    // height of its title bar): it is on the screen once the manager says it has placed it.
    managerWatch_ = watchManager(
        handle,
        [this] {
            placedByManager_ = true;
            windowWatch_->changed();
        },
        [this] { windowWatch_->changed(); });
    placedByManager_ = managerWatch_ == nullptr;
    if (managerWatch_ != nullptr) {
        QCoreApplication::instance()->installNativeEventFilter(managerWatch_.get());
    }
    window_->show();
}

void QtPlatform::sendPlacement(const QRect& client) {
    QWindow& handle = *window_->windowHandle();
    placing_ = placeHeld(handle, client) ? std::optional(client.size()) : std::nullopt;
    inFlight_ = laysOutLate(handle) ? std::optional(client) : std::nullopt;
    next_.reset();
    passedOver_ = 0;
}

// The newest step is not held back from the manager: it is the one the minimised window is to
// come back with.
void QtPlatform::minimiseWindow() {
    if (next_) {
        sendPlacement(*next_);
    }
    window_->setWindowState(window_->windowState() | Qt::WindowMinimized);
}

void QtPlatform::setBusyPointer(bool busy) {
    if (busy) {
        window_->setCursor(Qt::WaitCursor);
    } else {
        window_->unsetCursor();
    }
}

void QtPlatform::setButtonEnabled(bool enabled) {
    window_->openButton()->setEnabled(enabled);
}
void QtPlatform::setProgressVisible(bool visible) {
    window_->progressBar()->setVisible(visible);
}
void QtPlatform::setProgressValue(int value) {
    window_->progressBar()->setValue(value);
}
void QtPlatform::setBusyLabelVisible(bool visible) {
    window_->busyLabel()->setVisible(visible);
}

void QtPlatform::startTimer(Animation animation, int periodMs) {
    timers_[static_cast<std::size_t>(animation)]->start(periodMs);
}

void QtPlatform::stopTimer(Animation animation) {
    timers_[static_cast<std::size_t>(animation)]->stop();
}

Answer QtPlatform::showBox(const Box& box) {
    return runMessageBox(window_.get(), box);
}

std::string QtPlatform::folderPath(Folder folder) {
    return folder == Folder::Windows ? options_.windowsFolder : options_.systemFolder;
}

std::string QtPlatform::searchPath() const {
    if (options_.searchPath) {
        return *options_.searchPath;
    }
    const char* path = std::getenv("PATH");
    return path != nullptr ? path : "";
}

std::string QtPlatform::programFile(Program program) {
    return programName(program, searchPath());
}

bool QtPlatform::fileExists(const std::string& fullPath) {
    std::error_code error;
    return std::filesystem::is_regular_file(fullPath, error);
}

std::optional<std::string> QtPlatform::startProgram(Program program) {
    return qt::startProgram(programFile(program), searchPath());
}

void QtPlatform::reseedRandom() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    random_.reseed(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

void QtPlatform::endProgram() {
    options_.terminate();
}

}  // namespace kebo::qt

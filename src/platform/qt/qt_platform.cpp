#include "platform/qt/qt_platform.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "platform/directory_buffer.h"
#include "platform/qt/display.h"
#include "platform/qt/launcher_widget.h"
#include "platform/qt/message_box.h"
#include "platform/qt/program_search.h"
#include "platform/qt/program_start.h"
#include "platform/qt/window_frame.h"
#include "platform/twips.h"

namespace kebo::qt {

namespace {

void exitAtOnce() {
    std::fflush(nullptr);
    flushDisplay();
    std::_Exit(0);
}

// How long the windowing system must have been quiet after the first show before the window
// counts as placed.
constexpr int kPlacedAfterQuietMs = 50;

// Passes on the window's spontaneous moves, resizes and exposures: the moments Qt has heard from
// the windowing system where the window is, and how the window manager framed it.
class GeometryWatch final : public QObject {
public:
    explicit GeometryWatch(std::function<void()> changed) : changed_(std::move(changed)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (event->spontaneous() &&
            (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Expose)) {
            changed_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> changed_;
};

}  // namespace

QtPlatform::QtPlatform(QtPlatformOptions options)
    : options_(std::move(options)),
      twipsPerPixel_(kebo::twipsPerPixel(QGuiApplication::primaryScreen()->logicalDotsPerInchX())) {
    if (!options_.terminate) {
        options_.terminate = exitAtOnce;
    }
    window_ = std::make_unique<LauncherWidget>(
        twipsPerPixel_, [this] { events_->click(); },
        [this] { return events_->closeRequest(kCloseReasonUser); });
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        auto* timer = new QTimer(window_.get());
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, window_.get(),
                         [this, i] { events_->timerTick(static_cast<Timer>(i)); });
        timers_[i] = timer;
    }
    // The native window now, so that the window manager hears of it before it is shown.
    window_->winId();
    QWindow& handle = *window_->windowHandle();
    setFixedBorder(handle);
    frame_ = frameBeforeShow(handle).value_or(QMarginsF());
    // Until it is shown the window is Qt's alone: it is what it is given.
    windowGeometryReported(outerFor(window_->geometry(), frame_));
}

QtPlatform::~QtPlatform() = default;

bool QtPlatform::reportGeometry() {
    const QWindow* handle = window_->windowHandle();
    // A minimised window has no place of its own to report.
    if (events_ == nullptr || handle == nullptr || window_->isMinimized()) {
        return false;
    }
    const auto now = framedWindow(*handle);
    if (!now) {
        return false;
    }
    frame_ = now->frame;
    if (placing_ && holdSize(*handle, *placing_)) {
        placing_.reset();
    }
    events_->geometryReported(now->outer);
    return true;
}

PixelRect QtPlatform::screenArea() const {
    // The work area: the screen without the desktop's panels.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    return {screen.x(), screen.y(), screen.width(), screen.height()};
}

void QtPlatform::applyWindowRect(const PixelRect& outer) {
    const QRect client = clientFor(outer, frame_);
    if (geometryWatch_ != nullptr && placeHeld(*window_->windowHandle(), client)) {
        placing_ = client.size();
        return;
    }
    // Limits still in force would hold a growing window at the maximum, a shrinking one at the
    // minimum. The size is fixed again at once: Qt hands it to the windowing system with the
    // geometry (on X11 before it maps the window, so that a tiling manager floats it).
    window_->setMinimumSize(0, 0);
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window_->setGeometry(client);
    window_->setFixedSize(window_->size());
    // Until it is shown the window is what it is given, but never less than a pixel inside its
    // frame: the launcher hears of that at once, as the windowing system would tell it.
    const PixelRect given = outerFor(window_->geometry(), frame_);
    if (geometryWatch_ == nullptr && given != outer) {
        windowGeometryReported(given);
    }
}

void QtPlatform::showWindow() {
    window_->show();
    // One report for all that Qt heard at once: a move, a resize and an exposure often come
    // together. The first waits until the windowing system has been quiet for a moment: a
    // window manager places a new window in steps (kwin shows it framed in the corner of the
    // screen before it moves it where it was asked), and the first report starts the opening.
    reportSoon_ = new QTimer(window_.get());
    reportSoon_->setSingleShot(true);
    reportSoon_->setInterval(kPlacedAfterQuietMs);
    QObject::connect(reportSoon_, &QTimer::timeout, window_.get(), [this] {
        if (reportGeometry()) {
            reportSoon_->setInterval(0);
        }
    });
    geometryWatch_ = std::make_unique<GeometryWatch>([this] {
        if (reportSoon_->interval() > 0 || !reportSoon_->isActive()) {
            reportSoon_->start();
        }
    });
    window_->windowHandle()->installEventFilter(geometryWatch_.get());
}

void QtPlatform::applyWindowState(WindowState state) {
    const Qt::WindowStates current = window_->windowState();
    window_->setWindowState(state == WindowState::Minimised ? current | Qt::WindowMinimized
                                                            : current & ~Qt::WindowMinimized);
}

void QtPlatform::setMousePointer(MousePointer pointer) {
    if (pointer == MousePointer::Hourglass) {
        window_->setCursor(Qt::WaitCursor);
    } else {
        window_->unsetCursor();
    }
}

void QtPlatform::setButtonEnabled(bool enabled) {
    window_->command1()->setEnabled(enabled);
}
void QtPlatform::setProgressBarVisible(bool visible) {
    window_->progressBar1()->setVisible(visible);
}
void QtPlatform::setProgressBarValue(float value) {
    window_->progressBar1()->setValue(
        std::clamp(static_cast<int>(std::lround(value)), 0, Form1::kProgressBar1Max));
}
void QtPlatform::setLabelVisible(bool visible) {
    window_->label1()->setVisible(visible);
}

bool QtPlatform::fileExists(const std::string& fullPath) {
    std::error_code error;
    return std::filesystem::is_regular_file(fullPath, error);
}

std::string QtPlatform::searchPath() const {
    if (options_.searchPath) {
        return *options_.searchPath;
    }
    const char* path = std::getenv("PATH");
    return path != nullptr ? path : "";
}

std::optional<std::string> QtPlatform::startProgram(std::string_view fileName) {
    return qt::startProgram(fileName, searchPath());
}

std::string QtPlatform::localFileName(std::string_view programName) {
    return localProgramName(programName, searchPath());
}

std::uint32_t QtPlatform::windowsDirectory(std::span<char> buffer) {
    return copyDirectoryPath(options_.windowsDirectory, buffer);
}
std::uint32_t QtPlatform::systemDirectory(std::span<char> buffer) {
    return copyDirectoryPath(options_.systemDirectory, buffer);
}

void QtPlatform::reseedRandom() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    random_.reseed(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

void QtPlatform::applyTimerInterval(Timer timer, int ms) {
    QTimer* qtimer = timers_[static_cast<std::size_t>(timer)];
    if (ms == 0) {
        qtimer->stop();
    } else {
        qtimer->start(timerPeriodMs(ms));
    }
}

int QtPlatform::runMessageBox(std::string_view text, std::string_view caption, unsigned style) {
    return qt::runMessageBox(window_.get(), text, caption, style);
}

void QtPlatform::terminate() {
    options_.terminate();
}

}  // namespace kebo::qt

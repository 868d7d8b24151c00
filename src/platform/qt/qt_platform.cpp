#include "platform/qt/qt_platform.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/directory_buffer.h"
#include "platform/qt/display.h"
#include "platform/qt/launcher_widget.h"
#include "platform/qt/message_box.h"
#include "platform/qt/program_search.h"
#include "platform/twips.h"

namespace kebo::qt {

namespace {

void exitAtOnce() {
    std::fflush(nullptr);
    flushDisplay();
    std::_Exit(0);
}

// The window's frame: title bar and borders, all 0 until the window manager decorated it.
QMargins frameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

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
}

QtPlatform::~QtPlatform() = default;

int QtPlatform::toPixels(int twips) const {
    return twipsToPixels(twips, twipsPerPixel_);
}

int QtPlatform::toTwips(int pixels) const {
    return pixelsToTwips(pixels, twipsPerPixel_);
}

int QtPlatform::windowLeft() const {
    return toTwips(window_->frameGeometry().x());
}
int QtPlatform::windowTop() const {
    return toTwips(window_->frameGeometry().y());
}
int QtPlatform::windowWidth() const {
    return toTwips(window_->frameGeometry().width());
}
int QtPlatform::windowHeight() const {
    return toTwips(window_->frameGeometry().height());
}

void QtPlatform::setWindowLeft(int twips) {
    window_->move(toPixels(twips), window_->frameGeometry().y());
}
void QtPlatform::setWindowTop(int twips) {
    window_->move(window_->frameGeometry().x(), toPixels(twips));
}
void QtPlatform::moveWindow(int leftTwips) {
    setWindowLeft(leftTwips);
}

void QtPlatform::setWindowWidth(int twips) {
    resizeOuter(toPixels(std::max(twips, 0)), window_->frameGeometry().height());
}
void QtPlatform::setWindowHeight(int twips) {
    resizeOuter(window_->frameGeometry().width(), toPixels(std::max(twips, 0)));
}

void QtPlatform::resizeOuter(int widthPx, int heightPx) {
    const QMargins frame = frameMargins(*window_);
    // A fixed size keeps the user from resizing the window and leaves no minimum size behind
    // that could stop it from shrinking.
    window_->setFixedSize(std::max(widthPx - frame.left() - frame.right(), 1),
                          std::max(heightPx - frame.top() - frame.bottom(), 1));
}

void QtPlatform::showWindowCentred() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = window_->frameGeometry().size();
    window_->move(screen.x() + (screen.width() - outer.width()) / 2,
                  screen.y() + (screen.height() - outer.height()) / 2);
    window_->show();
}

void QtPlatform::setWindowState(WindowState state) {
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

void QtPlatform::startProgram(std::string_view fileName) {
    startDetached(fileName, searchPath());
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

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
#include "platform/qt/program_start.h"
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

QRect QtPlatform::outer() const {
    if (lastSet_ && std::chrono::steady_clock::now() - lastSet_->at < kEchoTime) {
        return lastSet_->outer;
    }
    return window_->frameGeometry();
}

void QtPlatform::setOuter(const QRect& outer) {
    const QRect before = this->outer();
    const QMargins frame = frameMargins(*window_);
    const QSize client(std::max(outer.width() - frame.left() - frame.right(), 1),
                       std::max(outer.height() - frame.top() - frame.bottom(), 1));
    if (outer.topLeft() != before.topLeft()) {
        window_->move(outer.topLeft());
    }
    if (outer.size() != before.size()) {
        // The size is fixed (minimum = maximum) so that the user cannot resize the window. The
        // old limits are lifted first: the window manager would hold a growing window at the
        // maximum still in force, and a shrinking one at the minimum.
        window_->setMinimumSize(0, 0);
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window_->resize(client);
        window_->setFixedSize(client);
    }
    lastSet_ =
        LastSet{QRect(outer.topLeft(), client.grownBy(frame)), std::chrono::steady_clock::now()};
}

int QtPlatform::windowLeft() const {
    return toTwips(outer().x());
}
int QtPlatform::windowTop() const {
    return toTwips(outer().y());
}
int QtPlatform::windowWidth() const {
    return toTwips(outer().width());
}
int QtPlatform::windowHeight() const {
    return toTwips(outer().height());
}

void QtPlatform::setWindowLeft(int twips) {
    QRect rect = outer();
    rect.moveLeft(toPixels(twips));
    setOuter(rect);
}
void QtPlatform::setWindowTop(int twips) {
    QRect rect = outer();
    rect.moveTop(toPixels(twips));
    setOuter(rect);
}
void QtPlatform::moveWindow(int leftTwips) {
    setWindowLeft(leftTwips);
}

void QtPlatform::setWindowWidth(int twips) {
    QRect rect = outer();
    rect.setWidth(toPixels(std::max(twips, 0)));
    setOuter(rect);
}
void QtPlatform::setWindowHeight(int twips) {
    QRect rect = outer();
    rect.setHeight(toPixels(std::max(twips, 0)));
    setOuter(rect);
}

void QtPlatform::showWindowCentred() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QRect rect = outer();
    rect.moveCenter(screen.center());
    setOuter(rect);
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

#include "platform/sim/sim_platform.h"

#include <algorithm>
#include <utility>

#include "launcher/launcher_window.h"
#include "platform/directory_buffer.h"
#include "platform/twips.h"

namespace kebo {

namespace {

// Unwinds from the end of the program to the outermost event, as a real process would simply
// stop wherever it was.
struct ProgramEnded {};

}  // namespace

SimPlatform::SimPlatform(SimConfig config)
    : config_(std::move(config)), nowMs_(config_.clockStartMs) {
    // The window as loaded: its initial client area in its frame.
    const FrameMargins& frame = config_.frame;
    window_ = {
        0, 0,
        twipsToPixels(Form1::kInitialClientWidth, config_.twipsPerPixel) + frame.left + frame.right,
        twipsToPixels(Form1::kInitialClientHeight, config_.twipsPerPixel) + frame.top +
            frame.bottom};
    windowGeometryReported(window_);
}

template <typename Event>
void SimPlatform::deliver(Event event) {
    if (events_ == nullptr) {
        throw std::logic_error("SimPlatform: no window attached");
    }
    if (ended()) {
        return;
    }
    ++eventDepth_;
    try {
        event();
    } catch (const ProgramEnded&) {
        --eventDepth_;
        if (eventDepth_ > 0) {
            throw;
        }
        return;
    } catch (...) {
        --eventDepth_;
        throw;
    }
    --eventDepth_;
}

void SimPlatform::start() {
    deliver([this] { events_->start(); });
}

void SimPlatform::click() {
    // A window not yet on the screen cannot be clicked.
    if (buttonEnabled_ && windowOnScreen()) {
        deliver([this] { events_->click(); });
    }
}

bool SimPlatform::requestClose(std::int16_t reason) {
    // The user closes a window they see; the session's end and the task manager come any time.
    if (!windowOnScreen() && reason != kCloseReasonSessionEnding &&
        reason != kCloseReasonTaskManager) {
        return true;
    }
    bool refused = false;
    deliver([this, reason, &refused] { refused = events_->closeRequest(reason); });
    return refused;
}

bool SimPlatform::fireNextTickUpTo(std::int64_t limitMs) {
    TimerSlot* next = nullptr;
    std::size_t nextIndex = 0;
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        TimerSlot& slot = timers_[i];
        if (slot.running && slot.nextDueMs <= limitMs &&
            (next == nullptr || slot.nextDueMs < next->nextDueMs)) {
            next = &slot;
            nextIndex = i;
        }
    }
    if (!reports_.empty() && reports_.front().dueMs <= limitMs &&
        (next == nullptr || reports_.front().dueMs <= next->nextDueMs)) {
        const Report report = reports_.front();
        reports_.pop_front();
        nowMs_ = std::max(nowMs_, report.dueMs);
        deliver([this, &report] { events_->geometryReported(report.outer); });
        return true;
    }
    if (next == nullptr) {
        return false;
    }
    nowMs_ = std::max(nowMs_, next->nextDueMs);
    next->nextDueMs += next->periodMs;
    const auto timer = static_cast<Timer>(nextIndex);
    deliver([this, timer] { events_->timerTick(timer); });
    return true;
}

void SimPlatform::advance(std::int64_t ms) {
    const std::int64_t limit = nowMs_ + ms;
    while (!ended() && fireNextTickUpTo(limit)) {
    }
    nowMs_ = std::max(nowMs_, limit);
}

bool SimPlatform::advanceUntil(const std::function<bool()>& done, std::int64_t limitMs) {
    const std::int64_t limit = nowMs_ + limitMs;
    while (!done() && !ended()) {
        if (!fireNextTickUpTo(limit)) {
            nowMs_ = std::max(nowMs_, limit);
            break;
        }
    }
    return done();
}

void SimPlatform::dragWindow(int dxPx, int dyPx) {
    window_.left += dxPx;
    window_.top += dyPx;
    reportWindow();
}

void SimPlatform::reportWindow() {
    if (config_.reportLagMs > 0) {
        reports_.push_back({nowMs_ + config_.reportLagMs, window_});
    } else {
        deliver([this] { events_->geometryReported(window_); });
    }
}

void SimPlatform::answer(int code) {
    script_.emplace_back([code](const ShownBox&) { return code; });
}

void SimPlatform::answerWith(Answerer answerer) {
    script_.push_back(std::move(answerer));
}

void SimPlatform::queueRandom(std::initializer_list<double> values) {
    queuedRandom_.insert(queuedRandom_.end(), values.begin(), values.end());
}

void SimPlatform::setDirectories(std::string windowsDirectory, std::string systemDirectory) {
    config_.windowsDirectory = std::move(windowsDirectory);
    config_.systemDirectory = std::move(systemDirectory);
}

std::vector<MessageId> SimPlatform::boxIds() const {
    std::vector<MessageId> ids;
    for (const ShownBox& box : boxes_) {
        if (box.id) {
            ids.push_back(*box.id);
        }
    }
    return ids;
}

PixelRect SimPlatform::screenArea() const {
    return {0, 0, config_.screenWidthPx, config_.screenHeightPx};
}

void SimPlatform::applyWindowRect(const PixelRect& outer) {
    ++windowChanges_;
    const FrameMargins& frame = config_.frame;
    window_ = {outer.left, outer.top,
               std::max({outer.width, config_.minOuterWidthPx, frame.left + frame.right}),
               std::max({outer.height, config_.minOuterHeightPx, frame.top + frame.bottom})};
    reportWindow();
}

void SimPlatform::applyWindowState(WindowState state) {
    windowState_ = state;
    if (state == WindowState::Minimised) {
        windowWhenMinimised_ = window_;
    }
}

void SimPlatform::setProgressBarValue(float value) {
    progressBarValue_ = value;
    progressBarValues_.push_back(value);
}

bool SimPlatform::fileExists(const std::string& fullPath) {
    testedPaths_.push_back(fullPath);
    return files_.contains(fullPath);
}

std::optional<std::string> SimPlatform::startProgram(std::string_view fileName) {
    started_.emplace_back(fileName);
    return startFailure_;
}

std::uint32_t SimPlatform::windowsDirectory(std::span<char> buffer) {
    return copyDirectoryPath(config_.windowsDirectory, buffer);
}

std::uint32_t SimPlatform::systemDirectory(std::span<char> buffer) {
    return copyDirectoryPath(config_.systemDirectory, buffer);
}

void SimPlatform::reseedRandom() {
    ++reseeds_;
    random_.reseed(config_.randomSeed * 0x9E3779B97F4A7C15ULL + static_cast<std::uint64_t>(nowMs_));
}

double SimPlatform::nextRandom() {
    if (!queuedRandom_.empty()) {
        const double value = queuedRandom_.front();
        queuedRandom_.pop_front();
        return value;
    }
    return random_.next();
}

void SimPlatform::applyTimerInterval(Timer timer, int ms) {
    TimerSlot& slot = timers_[static_cast<std::size_t>(timer)];
    slot.running = ms != 0;
    slot.periodMs = timerPeriodMs(ms);
    slot.nextDueMs = nowMs_ + slot.periodMs;
}

int SimPlatform::runMessageBox(std::string_view text, std::string_view caption, unsigned style) {
    ShownBox box{messageIdForText(text), std::string(text), style, std::string(caption), nowMs_};
    boxes_.push_back(box);
    Answerer answerer;
    if (!script_.empty()) {
        answerer = std::move(script_.front());
        script_.pop_front();
    } else if (defaultAnswerer_) {
        answerer = defaultAnswerer_;
    } else {
        throw UnscriptedMessageBox("no answer scripted for the box \"" + box.text + "\"");
    }
    ++boxNesting_;
    deepestBoxNesting_ = std::max(deepestBoxNesting_, boxNesting_);
    struct Closing {
        int& nesting;
        ~Closing() { --nesting; }
    } closing{boxNesting_};
    return answerer(box);
}

void SimPlatform::terminate() {
    minimisedAtEnd_ = windowState_ == WindowState::Minimised;
    for (TimerSlot& slot : timers_) {
        slot.running = false;
    }
    if (eventDepth_ > 0) {
        throw ProgramEnded{};
    }
}

}  // namespace kebo

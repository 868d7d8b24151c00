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
    : config_(std::move(config)),
      nowMs_(config_.clockStartMs),
      widthPx_(outerWidthPx(Form1::kInitialClientWidth) + config_.frame.left + config_.frame.right),
      heightPx_(outerHeightPx(Form1::kInitialClientHeight) + config_.frame.top +
                config_.frame.bottom) {}

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
    if (buttonEnabled_) {
        deliver([this] { events_->click(); });
    }
}

bool SimPlatform::requestClose(std::int16_t reason) {
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

int SimPlatform::toPixels(int twips) const {
    return twipsToPixels(twips, config_.twipsPerPixel);
}
int SimPlatform::toTwips(int pixels) const {
    return pixelsToTwips(pixels, config_.twipsPerPixel);
}

int SimPlatform::outerWidthPx(int twips) const {
    const int floor = std::max(config_.minOuterWidthPx, config_.frame.left + config_.frame.right);
    return std::max(toPixels(std::max(twips, 0)), floor);
}

int SimPlatform::outerHeightPx(int twips) const {
    const int floor = std::max(config_.minOuterHeightPx, config_.frame.top + config_.frame.bottom);
    return std::max(toPixels(std::max(twips, 0)), floor);
}

int SimPlatform::clientWidth() const {
    return toTwips(widthPx_ - config_.frame.left - config_.frame.right);
}

int SimPlatform::screenWidth() const {
    return toTwips(config_.screenWidthPx);
}
int SimPlatform::screenHeight() const {
    return toTwips(config_.screenHeightPx);
}

int SimPlatform::windowLeft() const {
    return toTwips(leftPx_);
}
int SimPlatform::windowTop() const {
    return toTwips(topPx_);
}
int SimPlatform::windowWidth() const {
    return toTwips(widthPx_);
}
int SimPlatform::windowHeight() const {
    return toTwips(heightPx_);
}

void SimPlatform::setWindowLeft(int twips) {
    leftPx_ = toPixels(twips);
}
void SimPlatform::setWindowTop(int twips) {
    topPx_ = toPixels(twips);
}
void SimPlatform::setWindowWidth(int twips) {
    widthPx_ = outerWidthPx(twips);
}
void SimPlatform::setWindowHeight(int twips) {
    heightPx_ = outerHeightPx(twips);
}
void SimPlatform::moveWindow(int leftTwips) {
    leftPx_ = toPixels(leftTwips);
}

void SimPlatform::showWindowCentred() {
    leftPx_ = (config_.screenWidthPx - widthPx_) / 2;
    topPx_ = (config_.screenHeightPx - heightPx_) / 2;
    shown_ = true;
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

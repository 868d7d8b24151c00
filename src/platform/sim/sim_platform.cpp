#include "platform/sim/sim_platform.h"

#include <algorithm>
#include <utility>

#include "platform/windows_program_files.h"

namespace kebo {

namespace {

// Unwinds from the end of the program to the outermost event, as a real process would simply
// stop wherever it was.
struct ProgramEnded {};

}  // namespace

SimPlatform::SimPlatform(SimConfig config)
    : config_(std::move(config)), nowMs_(config_.clockStartMs) {
    // The window as loaded: its initial client area in its frame.
    const FrameMargins frame = this->frame();
    window_ = {0, 0,
               twipsToPixels(window::kInitialClientWidth, config_.twipsPerPixel) + frame.left +
                   frame.right,
               twipsToPixels(window::kInitialClientHeight, config_.twipsPerPixel) + frame.top +
                   frame.bottom};
}

void SimPlatform::run(const std::function<void()>& step) {
    if (launcher_ == nullptr) {
        throw std::logic_error("SimPlatform: no launcher attached");
    }
    ++eventDepth_;
    try {
        step();
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

void SimPlatform::deliver(const LauncherEvent& event) {
    run([this, &event] { launcher_->post(event); });
}

void SimPlatform::click() {
    if (onScreen_ && buttonEnabled_) {
        deliver(event::ButtonClicked{});
    }
}

void SimPlatform::requestClose(CloseReason reason) {
    if (onScreen_ || reason != CloseReason::User) {
        deliver(event::CloseRequested{reason});
    }
}

void SimPlatform::dragWindow(int dxPx, int dyPx) {
    window_.left += dxPx;
    window_.top += dyPx;
    report(event::WindowReported{window_});
}

void SimPlatform::changeScale(double twipsPerPixel, const PixelRect& suggested) {
    config_.twipsPerPixel = twipsPerPixel;
    deliver(event::DpiChanged{suggested});
}

bool SimPlatform::fireNextUpTo(std::int64_t limitMs) {
    const auto next =
        std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
            return b.periodMs == 0 || (a.periodMs != 0 && a.nextDueMs < b.nextDueMs);
        });
    const bool tickDue = next->periodMs != 0 && next->nextDueMs <= limitMs;
    if (!reports_.empty() && reports_.front().dueMs <= limitMs &&
        (!tickDue || reports_.front().dueMs <= next->nextDueMs)) {
        const Report due = reports_.front();
        reports_.pop_front();
        nowMs_ = std::max(nowMs_, due.dueMs);
        deliverReport(due);
        return true;
    }
    if (!tickDue) {
        return false;
    }
    nowMs_ = std::max(nowMs_, next->nextDueMs);
    next->nextDueMs += next->periodMs;
    deliver(event::TimerTicked{static_cast<Animation>(next - timers_.begin())});
    return true;
}

void SimPlatform::advance(std::int64_t ms) {
    const std::int64_t limit = nowMs_ + ms;
    while (!ended_ && fireNextUpTo(limit)) {
    }
    nowMs_ = std::max(nowMs_, limit);
}

bool SimPlatform::advanceUntil(const std::function<bool()>& done, std::int64_t limitMs) {
    const std::int64_t limit = nowMs_ + limitMs;
    while (!done() && !ended_) {
        if (!fireNextUpTo(limit)) {
            nowMs_ = std::max(nowMs_, limit);
            break;
        }
    }
    return done();
}

void SimPlatform::report(const LauncherEvent& event) {
    const Report now{nowMs_ + config_.reportLagMs, event, shown_};
    if (config_.reportLagMs > 0) {
        reports_.push_back(now);
    } else {
        deliverReport(now);
    }
}

void SimPlatform::deliverReport(const Report& report) {
    onScreen_ = onScreen_ || report.ofTheShownWindow;
    deliver(report.event);
}

void SimPlatform::answer(Answer answer) {
    script_.emplace_back([answer](const ShownBox&) { return answer; });
}

void SimPlatform::answerWith(Answerer answerer) {
    script_.push_back(std::move(answerer));
}

void SimPlatform::queueRandom(std::initializer_list<double> values) {
    queuedRandom_.insert(queuedRandom_.end(), values.begin(), values.end());
}

void SimPlatform::setFolders(std::string windowsFolder, std::string systemFolder) {
    config_.windowsFolder = std::move(windowsFolder);
    config_.systemFolder = std::move(systemFolder);
}

FrameMargins SimPlatform::frame() const {
    return shown_ || !config_.frameAddedAtShow ? config_.frame : FrameMargins{0, 0, 0, 0};
}

void SimPlatform::placeWindow(const PixelRect& outer) {
    ++windowChanges_;
    const FrameMargins frame = this->frame();
    window_ = {outer.left, outer.top,
               std::max({outer.width, config_.minOuterWidthPx, frame.left + frame.right}),
               std::max({outer.height, config_.minOuterHeightPx, frame.top + frame.bottom})};
    report(event::WindowReported{window_});
}

void SimPlatform::showWindow() {
    shown_ = true;
    if (config_.frameAddedAtShow) {
        const FrameMargins& f = config_.frame;
        window_ = {window_.left - f.left, window_.top - f.top, window_.width + f.left + f.right,
                   window_.height + f.top + f.bottom};
    }
    report(event::WindowReported{window_});
}

void SimPlatform::minimiseWindow() {
    minimised_ = true;
    windowWhenMinimised_ = window_;
}

void SimPlatform::startTimer(Animation animation, int periodMs) {
    timers_[static_cast<std::size_t>(animation)] = {periodMs, nowMs_ + periodMs};
}

void SimPlatform::stopTimer(Animation animation) {
    timers_[static_cast<std::size_t>(animation)].periodMs = 0;
}

Answer SimPlatform::showBox(const Box& box) {
    boxes_.push_back({std::string(box.text), box.buttons, box.icon, box.defaultAnswer, nowMs_});
    const ShownBox& shown = boxes_.back();
    Answerer answerer;
    if (!script_.empty()) {
        answerer = std::move(script_.front());
        script_.pop_front();
    } else if (defaultAnswerer_) {
        answerer = defaultAnswerer_;
    } else {
        throw UnscriptedBox("no answer scripted for the box \"" + shown.text + "\"");
    }
    ++boxNesting_;
    deepestBoxNesting_ = std::max(deepestBoxNesting_, boxNesting_);
    struct Closing {
        int& nesting;
        ~Closing() { --nesting; }
    } closing{boxNesting_};
    return answerer(ShownBox(shown));
}

std::string SimPlatform::folderPath(Folder folder) {
    return folder == Folder::Windows ? config_.windowsFolder : config_.systemFolder;
}

std::string SimPlatform::programFile(Program program) {
    return windowsProgramFile(program);
}

bool SimPlatform::fileExists(const std::string& fullPath) {
    testedPaths_.push_back(fullPath);
    return files_.contains(fullPath);
}

std::optional<std::string> SimPlatform::startProgram(Program program) {
    started_.push_back(programFile(program));
    return startFailure_;
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

void SimPlatform::endProgram() {
    ended_ = true;
    for (TimerSlot& slot : timers_) {
        slot.periodMs = 0;
    }
    reports_.clear();
    if (eventDepth_ > 0) {
        throw ProgramEnded{};
    }
}

}  // namespace kebo

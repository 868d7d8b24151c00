#include "platform/platform.h"

namespace kebo {

namespace {

std::size_t indexOf(Timer timer) {
    return static_cast<std::size_t>(timer);
}

// Keeps the box counted as open however the box's call is left.
class OpenBoxCount {
public:
    explicit OpenBoxCount(int& count) : count_(count) { ++count_; }
    OpenBoxCount(const OpenBoxCount&) = delete;
    OpenBoxCount& operator=(const OpenBoxCount&) = delete;
    ~OpenBoxCount() { --count_; }

private:
    int& count_;
};

}  // namespace

void Platform::setTimerInterval(Timer timer, int ms) {
    timerIntervals_[indexOf(timer)] = ms;
    applyTimerInterval(timer, ms);
}

int Platform::timerInterval(Timer timer) const {
    return timerIntervals_[indexOf(timer)];
}

int Platform::showMessageBox(std::string_view text, std::string_view caption, unsigned style) {
    const OpenBoxCount open(openMessageBoxes_);
    return runMessageBox(text, caption, style);
}

std::string Platform::localFileName(std::string_view programName) {
    return std::string(programName);
}

void Platform::endProgram() {
    ended_ = true;
    terminate();
}

}  // namespace kebo

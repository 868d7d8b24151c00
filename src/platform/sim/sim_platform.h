// A deterministic platform that lives in memory: a virtual clock drives the timers, message
// boxes are answered from a script, and everything the program does to the outside world is
// recorded. It replays whole sessions without a display.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "launcher/window_events.h"
#include "messages/message_catalogue.h"
#include "platform/clock_seeded_random.h"
#include "platform/platform.h"

namespace kebo {

// Thrown when a box opens and neither the script nor an answerer has an answer for it.
class UnscriptedMessageBox : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

struct ShownBox {
    std::optional<MessageId> id;  // empty for a text outside the catalogue
    std::string text;
    unsigned style = 0;
    std::string caption;
    std::int64_t atMs = 0;
};

struct FrameMargins {
    int left = 3;
    int top = 22;
    int right = 3;
    int bottom = 3;
};

struct SimConfig {
    double twipsPerPixel = 15;
    int screenWidthPx = 1024;
    int screenHeightPx = 768;
    FrameMargins frame;
    // The smallest outer size the windowing system keeps; a window is never smaller than its
    // frame either.
    int minOuterWidthPx = 0;
    int minOuterHeightPx = 0;
    std::string windowsDirectory = "C:\\WINDOWS";
    std::string systemDirectory = "C:\\WINDOWS\\system32";
    std::uint64_t randomSeed = 1;
    std::int64_t clockStartMs = 0;
};

class SimPlatform final : public Platform {
public:
    using Answerer = std::function<int(const ShownBox&)>;

    explicit SimPlatform(SimConfig config = {});

    // The window's event handlers; must be attached before any event is delivered.
    void attach(WindowEvents& events) { events_ = &events; }

    // --- Events, as a user and the windowing system would cause them. Each may also be called
    // from inside a box's answerer, that is while the box is open.
    void start();
    // Clicks Command1; nothing happens while it is disabled.
    void click();
    // Returns true when the close was refused.
    bool requestClose(std::int16_t reason);
    // Moves the clock on by `ms`, delivering every timer tick that comes due, in order of due
    // time and then of timer.
    void advance(std::int64_t ms);
    // Moves the clock on until `done` holds after an event, at most `limitMs`; returns `done()`.
    bool advanceUntil(const std::function<bool()>& done, std::int64_t limitMs);

    // --- Script.
    void answer(int code);
    void answerWith(Answerer answerer);
    // Answers every box the script has no answer for.
    void setDefaultAnswerer(Answerer answerer) { defaultAnswerer_ = std::move(answerer); }
    // The next values of nextRandom, before the seeded generator is used again.
    void queueRandom(std::initializer_list<double> values);
    void addFile(const std::string& path) { files_.insert(path); }
    // Every program start from now on fails with `reason`.
    void failStarts(std::string reason) { startFailure_ = std::move(reason); }
    // What the directory queries answer from now on.
    void setDirectories(std::string windowsDirectory, std::string systemDirectory);

    // --- What happened.
    std::int64_t nowMs() const { return nowMs_; }
    const std::vector<ShownBox>& boxes() const { return boxes_; }
    std::vector<MessageId> boxIds() const;
    int deepestBoxNesting() const { return deepestBoxNesting_; }
    // Every program the launcher asked to start, whether it started or not.
    const std::vector<std::string>& startedPrograms() const { return started_; }
    const std::vector<std::string>& testedPaths() const { return testedPaths_; }
    int reseedCount() const { return reseeds_; }
    bool minimisedAtEnd() const { return minimisedAtEnd_; }
    bool shown() const { return shown_; }

    bool buttonEnabled() const { return buttonEnabled_; }
    bool progressBarVisible() const { return progressBarVisible_; }
    float progressBarValue() const { return progressBarValue_; }
    // Every value given to the bar, in order.
    const std::vector<float>& progressBarValues() const { return progressBarValues_; }
    bool labelVisible() const { return labelVisible_; }
    MousePointer mousePointer() const { return pointer_; }
    WindowState windowState() const { return windowState_; }
    int clientWidth() const;
    int screenWidth() const;
    int screenHeight() const;

    // --- Platform.
    int windowLeft() const override;
    int windowTop() const override;
    int windowWidth() const override;
    int windowHeight() const override;
    void setWindowLeft(int twips) override;
    void setWindowTop(int twips) override;
    void setWindowWidth(int twips) override;
    void setWindowHeight(int twips) override;
    void moveWindow(int leftTwips) override;
    void showWindowCentred() override;
    void setWindowState(WindowState state) override { windowState_ = state; }
    void setMousePointer(MousePointer pointer) override { pointer_ = pointer; }
    void setButtonEnabled(bool enabled) override { buttonEnabled_ = enabled; }
    void setProgressBarVisible(bool visible) override { progressBarVisible_ = visible; }
    void setProgressBarValue(float value) override;
    void setLabelVisible(bool visible) override { labelVisible_ = visible; }
    bool fileExists(const std::string& fullPath) override;
    std::optional<std::string> startProgram(std::string_view fileName) override;
    std::uint32_t windowsDirectory(std::span<char> buffer) override;
    std::uint32_t systemDirectory(std::span<char> buffer) override;
    void reseedRandom() override;
    double nextRandom() override;

protected:
    void applyTimerInterval(Timer timer, int ms) override;
    int runMessageBox(std::string_view text, std::string_view caption, unsigned style) override;
    void terminate() override;

private:
    struct TimerSlot {
        bool running = false;
        int periodMs = 0;
        std::int64_t nextDueMs = 0;
    };

    template <typename Event>
    void deliver(Event event);
    // Delivers the earliest tick due at or before `limitMs`; false when there is none.
    bool fireNextTickUpTo(std::int64_t limitMs);
    int toPixels(int twips) const;
    int toTwips(int pixels) const;
    int outerWidthPx(int twips) const;
    int outerHeightPx(int twips) const;

    SimConfig config_;
    WindowEvents* events_ = nullptr;
    int eventDepth_ = 0;

    std::int64_t nowMs_;
    std::array<TimerSlot, kTimerCount> timers_{};

    int leftPx_ = 0;
    int topPx_ = 0;
    int widthPx_;
    int heightPx_;
    bool shown_ = false;
    WindowState windowState_ = WindowState::Normal;
    MousePointer pointer_ = MousePointer::Default;
    bool buttonEnabled_ = true;
    bool progressBarVisible_ = false;
    float progressBarValue_ = 0;
    std::vector<float> progressBarValues_;
    bool labelVisible_ = false;

    std::deque<Answerer> script_;
    Answerer defaultAnswerer_;
    std::vector<ShownBox> boxes_;
    int boxNesting_ = 0;
    int deepestBoxNesting_ = 0;

    std::set<std::string> files_;
    std::vector<std::string> testedPaths_;
    std::vector<std::string> started_;
    std::optional<std::string> startFailure_;

    ClockSeededRandom random_;
    std::deque<double> queuedRandom_;
    int reseeds_ = 0;

    bool minimisedAtEnd_ = false;
};

}  // namespace kebo

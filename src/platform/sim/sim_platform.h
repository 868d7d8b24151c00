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
    // How long the windowing system takes to report a change of the window back. 0 reports it
    // at once, within the call that made it, as Windows does; X11 reports it only later, after
    // the program may have made the next changes.
    int reportLagMs = 0;
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
    // Clicks Command1; nothing happens while it is disabled, or before the window is on the
    // screen.
    void click();
    // Returns true when the close was refused. Before the window is on the screen only the end
    // of the session and the task manager can ask.
    bool requestClose(std::int16_t reason);
    // The user drags the window by this many pixels.
    void dragWindow(int dxPx, int dyPx);
    // Moves the clock on by `ms`, delivering every timer tick and report that comes due, in order
    // of due time, reports first, and then of timer.
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
    // The window's rectangle when it was last minimised.
    const PixelRect& windowWhenMinimised() const { return windowWhenMinimised_; }
    bool shown() const { return shown_; }

    bool buttonEnabled() const { return buttonEnabled_; }
    bool progressBarVisible() const { return progressBarVisible_; }
    float progressBarValue() const { return progressBarValue_; }
    // Every value given to the bar, in order.
    const std::vector<float>& progressBarValues() const { return progressBarValues_; }
    bool labelVisible() const { return labelVisible_; }
    MousePointer mousePointer() const { return pointer_; }
    WindowState windowState() const { return windowState_; }
    // The window's outer rectangle as the windowing system has it, in pixels.
    const PixelRect& windowRect() const { return window_; }
    // How often the program moved or resized the window.
    int windowChanges() const { return windowChanges_; }
    // True while a change of the window has not been reported back yet.
    bool reportsPending() const { return !reports_.empty(); }

    // --- Platform.
    double twipsPerPixel() const override { return config_.twipsPerPixel; }
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
    PixelRect screenArea() const override;
    void applyWindowRect(const PixelRect& outer) override;
    void showWindow() override {
        shown_ = true;
        reportWindow();
    }
    void applyWindowState(WindowState state) override;
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
    struct Report {
        std::int64_t dueMs;
        PixelRect outer;
    };

    // Delivers the earliest report or tick due at or before `limitMs`; false when there is none.
    bool fireNextTickUpTo(std::int64_t limitMs);
    // Reports the window's rectangle as it is now, at once or after the lag.
    void reportWindow();

    SimConfig config_;
    WindowEvents* events_ = nullptr;
    int eventDepth_ = 0;

    std::int64_t nowMs_;
    std::array<TimerSlot, kTimerCount> timers_{};

    PixelRect window_;
    int windowChanges_ = 0;
    std::deque<Report> reports_;
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
    PixelRect windowWhenMinimised_;
};

}  // namespace kebo

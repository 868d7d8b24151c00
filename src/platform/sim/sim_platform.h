// A deterministic platform that lives in memory: a virtual clock drives the timers, boxes are
// answered from a script, and everything the launcher asks of the platform is recorded. It replays
// whole sessions without a display.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/clock_seeded_random.h"
#include "platform/launcher_events.h"
#include "platform/platform.h"

namespace kebo {

// Thrown when a box opens and neither the script nor an answerer has an answer for it.
class UnscriptedBox : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

struct ShownBox {
    std::string text;
    Buttons buttons;
    BoxIcon icon;
    Answer defaultAnswer;
    std::int64_t atMs;
    bool is(const Box& box) const {
        return text == box.text && buttons == box.buttons && icon == box.icon &&
               defaultAnswer == box.defaultAnswer;
    }
};

struct FrameMargins {
    int left = 3;
    int top = 22;
    int right = 3;
    int bottom = 3;
};

struct SimConfig {
    double twipsPerPixel = 15;
    // The work area: the screen without the desktop's panels.
    PixelRect workArea{0, 0, 1024, 768};
    FrameMargins frame;
    // Put around the window only once it is shown, as an X11 window manager does, which keeps the
    // window where it was and the frame grows around it.
    bool frameAddedAtShow = false;
    // The smallest outer size the windowing system keeps; a window is never smaller than its
    // frame either.
    int minOuterWidthPx = 0;
    int minOuterHeightPx = 0;
    // How long the windowing system takes to report a change of the window back. 0 reports it
    // at once, within the call that made it, as Windows does; X11 reports it only later, after
    // the program may have made the next changes.
    int reportLagMs = 0;
    std::string windowsFolder = "C:\\WINDOWS";
    std::string systemFolder = "C:\\WINDOWS\\system32";
    std::uint64_t randomSeed = 1;
    std::int64_t clockStartMs = 0;
};

class SimPlatform final : public Platform {
public:
    using Answerer = std::function<Answer(const ShownBox&)>;

    explicit SimPlatform(SimConfig config = {});

    // Where events go; attached before the first.
    void attach(LauncherEvents& launcher) { launcher_ = &launcher; }

    // --- What the user and the windowing system do. Each may also be called from inside a box's
    // answerer, that is while the box is open.
    // Runs a step of the program (its start, say) as an event, which may end the program.
    void run(const std::function<void()>& step);
    // Clicks the button; only a button on the screen and enabled can be clicked.
    void click();
    // The user's close can only come for a window on the screen; the end of the session and the
    // task manager come any time.
    void requestClose(CloseReason reason);
    // The user drags the window by this many pixels.
    void dragWindow(int dxPx, int dyPx);
    // The window moves to a screen at another scale, which suggests the place `suggested`.
    void changeScale(double twipsPerPixel, const PixelRect& suggested);
    // Moves the clock on by `ms`, delivering every timer tick and report that comes due, in order
    // of due time, reports first, and then of animation.
    void advance(std::int64_t ms);
    // Moves the clock on until `done` holds after an event, at most `limitMs`; returns `done()`.
    bool advanceUntil(const std::function<bool()>& done, std::int64_t limitMs);

    // --- Script.
    void answer(Answer answer);
    void answerWith(Answerer answerer);
    // Answers every box the script has no answer for.
    void setDefaultAnswerer(Answerer answerer) { defaultAnswerer_ = std::move(answerer); }
    // The next values of nextRandom, before the seeded generator is used again.
    void queueRandom(std::initializer_list<double> values);
    void addFile(const std::string& path) { files_.insert(path); }
    // Every program start from now on fails with `reason`.
    void failStarts(std::string reason) { startFailure_ = std::move(reason); }
    // Where the folders are from now on.
    void setFolders(std::string windowsFolder, std::string systemFolder);

    // --- What the launcher asked, and what became of it.
    std::int64_t nowMs() const { return nowMs_; }
    const std::vector<ShownBox>& boxes() const { return boxes_; }
    int deepestBoxNesting() const { return deepestBoxNesting_; }
    // Every program the launcher asked to start, by its file name, whether it started or not.
    const std::vector<std::string>& startedPrograms() const { return started_; }
    const std::vector<std::string>& testedPaths() const { return testedPaths_; }
    int reseedCount() const { return reseeds_; }
    // Shown, and reported so: what the user sees.
    bool onScreen() const { return onScreen_; }
    bool minimised() const { return minimised_; }
    bool ended() const { return ended_; }
    // The window's rectangle when it was minimised.
    const PixelRect& windowWhenMinimised() const { return windowWhenMinimised_; }
    bool buttonEnabled() const { return buttonEnabled_; }
    bool progressVisible() const { return progressVisible_; }
    int progressValue() const { return progressValues_.empty() ? 0 : progressValues_.back(); }
    // Every value given to the bar, in order.
    const std::vector<int>& progressValues() const { return progressValues_; }
    bool busyLabelVisible() const { return busyLabelVisible_; }
    bool busyPointer() const { return busyPointer_; }
    // The window's outer rectangle as the windowing system has it, in pixels.
    const PixelRect& windowRect() const { return window_; }
    // How often the launcher moved or resized the window.
    int windowChanges() const { return windowChanges_; }
    // True while a change of the window has not been reported back yet.
    bool reportsPending() const { return !reports_.empty(); }

    // --- Platform.
    double twipsPerPixel() const override { return config_.twipsPerPixel; }
    PixelRect workArea() const override { return config_.workArea; }
    void placeWindow(const PixelRect& outer) override;
    void showWindow() override;
    void minimiseWindow() override;
    void setBusyPointer(bool busy) override { busyPointer_ = busy; }
    void setButtonEnabled(bool enabled) override { buttonEnabled_ = enabled; }
    void setProgressVisible(bool visible) override { progressVisible_ = visible; }
    void setProgressValue(int value) override { progressValues_.push_back(value); }
    void setBusyLabelVisible(bool visible) override { busyLabelVisible_ = visible; }
    void startTimer(Animation animation, int periodMs) override;
    void stopTimer(Animation animation) override;
    Answer showBox(const Box& box) override;
    std::string folderPath(Folder folder) override;
    char directorySeparator() const override { return '\\'; }
    std::string programFile(Program program) override;
    bool fileExists(const std::string& fullPath) override;
    std::optional<std::string> startProgram(Program program) override;
    void reseedRandom() override;
    double nextRandom() override;
    void endProgram() override;

private:
    struct TimerSlot {
        int periodMs = 0;  // 0: stopped
        std::int64_t nextDueMs = 0;
    };
    struct Report {
        std::int64_t dueMs;
        LauncherEvent event;
        bool ofTheShownWindow;
    };

    FrameMargins frame() const;
    void deliver(const LauncherEvent& event);
    // Delivers the earliest report or tick due at or before `limitMs`; false when there is none.
    bool fireNextUpTo(std::int64_t limitMs);
    // Tells the launcher of the window as it is now, at once or after the lag.
    void report(const LauncherEvent& event);
    void deliverReport(const Report& report);

    SimConfig config_;
    LauncherEvents* launcher_ = nullptr;
    int eventDepth_ = 0;

    std::int64_t nowMs_;
    std::array<TimerSlot, kAnimationCount> timers_{};

    PixelRect window_;
    int windowChanges_ = 0;
    std::deque<Report> reports_;
    bool shown_ = false;
    bool onScreen_ = false;
    bool minimised_ = false;
    bool ended_ = false;
    PixelRect windowWhenMinimised_;
    bool busyPointer_ = false;
    bool buttonEnabled_ = true;
    bool progressVisible_ = false;
    std::vector<int> progressValues_;
    bool busyLabelVisible_ = false;

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
};

}  // namespace kebo

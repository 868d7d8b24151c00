// The launcher: the one object that owns the program's state and decides what it does. It asks the
// platform for every change (platform.h) and takes what happens there through one door
// (launcher_events.h). Its handlers live beside the feature they belong to: the opening here, the
// launch in launch/, the close dialogue and the farewell in closing/.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "launcher/window_geometry.h"
#include "platform/launcher_events.h"
#include "platform/platform.h"

namespace kebo {

// No timer ticks more often than this, Windows' own floor, so that the animations take the same
// time on every platform.
inline constexpr int kShortestTimerPeriodMs = 10;

struct LauncherState {
    float progress = 0;  // whole values 0 to 10500
    int blinkCount = 0;  // 0 to 3, never reset
    float lastDraw = 0;  // the last random draw: a wait interval or a progress step
    std::int16_t tickCount = 0;
    // Where a paint program is looked for, read once at load.
    std::string windowsFolder;
    std::string systemFolder;
};

class Launcher final : public LauncherEvents {
public:
    explicit Launcher(Platform& platform) : platform_(platform) {}

    // Loads the window and shows it, centred on the work area.
    void start();
    void post(const LauncherEvent& event) override;

    const LauncherState& state() const { return state_; }
    // The window's outer rectangle in twips, frame included, as the launcher last set or heard of
    // it.
    const TwipsRect& window() const { return geometry_.record(); }
    // The interval the animation was last given; 0 when it is stopped.
    int interval(Animation animation) const { return intervals_[index(animation)]; }
    // From the first report of the shown window on. Until then the animations keep their
    // intervals but do not tick: what they animate would not be seen.
    bool onScreen() const { return shown_ == Shown::OnScreen; }
    bool boxOpen() const { return openBoxes_ > 0; }

private:
    static std::size_t index(Animation animation) { return static_cast<std::size_t>(animation); }

    // The door: what may come in, and when.
    void dispatch(const LauncherEvent& event);
    void handle(const event::ButtonClicked&);
    void handle(const event::TimerTicked& tick);
    void handle(const event::CloseRequested& request);
    void handle(const event::WindowReported& report);
    void handle(const event::DpiChanged& change);
    // Hands the platform a change of the window, and then whatever it reported meanwhile.
    template <typename Change>
    void change(Change&& change);

    // The opening.
    void load();
    void openingStep();
    // The launch.
    void openClicked();
    void beginWaiting(bool showLabel);
    void progressStep();
    void completeLaunch();
    std::optional<Program> findPaint();
    // Closing.
    void closeRequested(CloseReason reason);
    void farewellStep();

    // The window, in twips. Left and top move it keeping its size; width and height resize it
    // keeping its top-left corner, a negative size counting as 0. The window gets all that one
    // event wrote as a single move-and-resize: after the handler, or before a box, a minimise or
    // the end, whichever comes first.
    int left() const { return window().left; }
    int top() const { return window().top; }
    int width() const { return window().width; }
    int height() const { return window().height; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void applyGeometry();
    void centre();
    void minimise();
    void setInterval(Animation animation, int ms);
    void setButtonEnabled(bool enabled);
    Answer ask(const Box& box);
    void end();

    Platform& platform_;
    LauncherState state_;
    WindowGeometry geometry_;
    std::array<int, kAnimationCount> intervals_{};
    enum class Shown { Not, Placing, OnScreen } shown_ = Shown::Not;
    bool buttonEnabled_ = true;
    int openBoxes_ = 0;
    bool ended_ = false;
    bool changing_ = false;
    std::deque<LauncherEvent> reportedMeanwhile_;
};

}  // namespace kebo

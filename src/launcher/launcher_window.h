// The launcher window: its state record and every event handler, each implemented beside the
// feature it belongs to (launcher/, launch/, closing/).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace kebo {

// Size of the buffers the directory queries fill.
inline constexpr std::size_t kDirectoryBufferSize = 50;

struct LauncherState {
    float progress = 0;  // whole values 0 to 10500
    int blinkCount = 0;  // 0 to 3, never reset
    float lastDraw = 0;  // the last random draw: a wait interval or a progress step
    std::int16_t tickCount = 0;
    std::string windowsDir;  // the query's 50-byte buffer, all of it
    std::string systemDir;
    std::int32_t windowsDirLength = 0;
    std::int16_t systemDirLength = 0;
};

// Close reasons: the user's own close (close box, system menu, keyboard), the end of the desktop
// session, the task manager. Only the last two end the program.
inline constexpr std::int16_t kCloseReasonUser = 0;
inline constexpr std::int16_t kCloseReasonSessionEnding = 2;
inline constexpr std::int16_t kCloseReasonTaskManager = 3;

// Control geometry in twips, relative to the client area.
struct ControlRect {
    int left;
    int top;
    int width;
    int height;
};

class Form1 {
public:
    static constexpr std::string_view kCaption = "ポムリナ";
    static constexpr int kInitialClientWidth = 6135;
    static constexpr int kInitialClientHeight = 2865;

    static constexpr std::string_view kCommand1Caption = "メモ帳を開く";
    static constexpr ControlRect kCommand1Rect{713, 480, 3255, 615};
    static constexpr ControlRect kProgressBar1Rect{0, 0, 6135, 255};
    static constexpr int kProgressBar1Max = 10000;
    static constexpr std::string_view kLabel1Caption = "立ち上げ中・・・";
    static constexpr ControlRect kLabel1Rect{173, 1200, 4335, 375};
    static constexpr double kLabel1PointSize = 14.25;
    static constexpr std::string_view kLabel1FontFamily = "ＭＳ Ｐゴシック";

    explicit Form1(Platform& platform) : platform_(platform) {}

    // Start-up and the opening animation.
    void Form_Load();
    void Timer2_Timer();

    // The launch sequence.
    void Command1_Click();
    void BeginWaiting(bool showLabel);
    void Timer1_Timer();
    void CompleteLaunch();
    std::optional<std::string_view> findPaint();

    // Closing.
    void Form_QueryUnload(std::int16_t& cancel, std::int16_t closeReason);
    void Timer3_Timer();

    const LauncherState& state() const { return state_; }
    Platform& platform() { return platform_; }

private:
    Platform& platform_;
    LauncherState state_;
};

}  // namespace kebo

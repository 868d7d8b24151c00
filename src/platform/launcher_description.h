// The launcher window as data: its caption, its controls and their places in twips, the label's
// font, and every message box it shows. Every backend builds the window from this one description.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kebo {

// A control's place in the client area, in twips.
struct ControlRect {
    int left;
    int top;
    int width;
    int height;
};

struct FontDescription {
    // The first that is installed; the first is what the label asks for.
    std::array<std::string_view, 12> families;
    double points;
};

namespace window {

inline constexpr std::string_view kCaption = "ポムリナ";
// The client area as loaded, before the launcher shrinks the window to nothing.
inline constexpr int kInitialClientWidth = 6135;
inline constexpr int kInitialClientHeight = 2865;

inline constexpr std::string_view kOpenButtonCaption = "メモ帳を開く";
inline constexpr ControlRect kOpenButton{713, 480, 3255, 615};

// Wider than the client area: its right part is cut off by the window.
inline constexpr ControlRect kProgressBar{0, 0, 6135, 255};
inline constexpr int kProgressMax = 10000;

inline constexpr std::string_view kBusyLabelCaption = "立ち上げ中・・・";
inline constexpr ControlRect kBusyLabel{173, 1200, 4335, 375};
// Shift-JIS's Gothic where it is, else the nearest Japanese proportional Gothic of Windows or of
// a Linux desktop. Pure red text.
inline constexpr FontDescription kBusyLabelFont{
    {"ＭＳ Ｐゴシック", "MS PGothic", "Yu Gothic UI", "Meiryo UI", "MS UI Gothic", "IPAPGothic",
     "VL PGothic", "Noto Sans CJK JP", "Source Han Sans JP", "TakaoPGothic", "IPAGothic",
     "VL Gothic"},
    14.25};

}  // namespace window

enum class Buttons { Ok, YesNo };
enum class BoxIcon { Stop, Question, Exclamation, Information };
enum class Answer { Ok, Yes, No };

// A modal message box over the launcher window.
struct Box {
    std::string_view text;  // UTF-8
    Buttons buttons;
    BoxIcon icon;
    // The button that Enter presses.
    Answer defaultAnswer;
    bool operator==(const Box&) const = default;
};

namespace boxes {

// Every box carries the application's title, not the window's caption.
inline constexpr std::string_view kCaption = "KEBO";

inline constexpr Box kAskOpen{"メモ帳を開きますか？", Buttons::YesNo, BoxIcon::Question,
                              Answer::Yes};
inline constexpr Box kRefusalOverridden{"拒否できませんでした。強制的に開きます。", Buttons::Ok,
                                        BoxIcon::Exclamation, Answer::Ok};
inline constexpr Box kPleaseWait{"立ち上げにはしばらく時間がかかります。しばらくお待ちください。",
                                 Buttons::Ok, BoxIcon::Information, Answer::Ok};
inline constexpr Box kReadyAskOpen{
    "お待たせしました、メモ帳を開く準備ができました。今メモ帳を開きますか？", Buttons::YesNo,
    BoxIcon::Information, Answer::Yes};
inline constexpr Box kForcePaint{"じゃあ、いっしょに準備しておいたペイントを開きます。（強制）",
                                 Buttons::Ok, BoxIcon::Stop, Answer::Ok};
inline constexpr Box kPaintMissing{"ペイントが見つからなかったのでやっぱりメモ帳にします。",
                                   Buttons::Ok, BoxIcon::Stop, Answer::Ok};
// No default answer of the close dialogue leads on toward the farewell.
inline constexpr Box kAskQuit{"終了していいですか？", Buttons::YesNo, BoxIcon::Question,
                              Answer::No};
inline constexpr Box kAskQuitReally{"本当に終了しますか？", Buttons::YesNo, BoxIcon::Question,
                                    Answer::No};
inline constexpr Box kAskRelaunch{"もう一回ぐらいメモ帳を立ち上げてみませんか？", Buttons::YesNo,
                                  BoxIcon::Question, Answer::Yes};
inline constexpr Box kAskCancelClose{"今ならキャンセルできます。閉じるのキャンセルしますか？",
                                     Buttons::YesNo, BoxIcon::Question, Answer::Yes};
inline constexpr Box kAskGoodbye{"さようなら？", Buttons::YesNo, BoxIcon::Question, Answer::No};
inline constexpr Box kBackToLauncher{"ありがとうございます。ランチャーに戻ります。", Buttons::Ok,
                                     BoxIcon::Information, Answer::Ok};
inline constexpr Box kSeeYou{"じゃーねー", Buttons::Ok, BoxIcon::Exclamation, Answer::Ok};

inline constexpr std::array kAll{kAskOpen,     kRefusalOverridden, kPleaseWait, kReadyAskOpen,
                                 kForcePaint,  kPaintMissing,      kAskQuit,    kAskQuitReally,
                                 kAskRelaunch, kAskCancelClose,    kAskGoodbye, kBackToLauncher,
                                 kSeeYou};

// The box for a program that cannot be started names it and the system's reason, so its text is
// made each time: "プログラム「<program>」を起動できませんでした。" and the reason on a line of its
// own.
inline std::string startFailureText(std::string_view program, std::string_view reason) {
    std::string text = "プログラム「";
    text += program;
    text += "」を起動できませんでした。\n理由：";
    text += reason;
    return text;
}
inline constexpr Box startFailure(std::string_view text) {
    return {text, Buttons::Ok, BoxIcon::Stop, Answer::Ok};
}

}  // namespace boxes

}  // namespace kebo

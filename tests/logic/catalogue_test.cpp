#include <gtest/gtest.h>

#include <algorithm>

#include "sim_helpers.h"

namespace kebo {
namespace {

using enum Answer;
using enum BoxIcon;
constexpr Buttons OkOnly = Buttons::Ok;
constexpr Buttons YesNo = Buttons::YesNo;

TEST(Boxes, SayTheirTextsWithTheirButtonsIconAndDefault) {
    EXPECT_EQ(boxes::kCaption, "KEBO");
    const Box expected[] = {
        {"メモ帳を開きますか？", YesNo, Question, Yes},
        {"拒否できませんでした。強制的に開きます。", OkOnly, Exclamation, Ok},
        {"立ち上げにはしばらく時間がかかります。しばらくお待ちください。", OkOnly, Information, Ok},
        {"お待たせしました、メモ帳を開く準備ができました。今メモ帳を開きますか？", YesNo,
         Information, Yes},
        {"じゃあ、いっしょに準備しておいたペイントを開きます。（強制）", OkOnly, Stop, Ok},
        {"ペイントが見つからなかったのでやっぱりメモ帳にします。", OkOnly, Stop, Ok},
        {"終了していいですか？", YesNo, Question, No},
        {"本当に終了しますか？", YesNo, Question, No},
        {"もう一回ぐらいメモ帳を立ち上げてみませんか？", YesNo, Question, Yes},
        {"今ならキャンセルできます。閉じるのキャンセルしますか？", YesNo, Question, Yes},
        {"さようなら？", YesNo, Question, No},
        {"ありがとうございます。ランチャーに戻ります。", OkOnly, Information, Ok},
        {"じゃーねー", OkOnly, Exclamation, Ok},
    };
    EXPECT_TRUE(std::ranges::equal(boxes::kAll, expected));
}

// Enter on every box of the close dialogue keeps the launcher: no default is the answer that leads
// on toward the farewell.
TEST(Boxes, TheCloseDialoguesDefaultsNeverLeadToTheFarewell) {
    for (const auto& [box, onward] : {std::pair{boxes::kAskQuit, Yes},
                                      {boxes::kAskQuitReally, Yes},
                                      {boxes::kAskCancelClose, No},
                                      {boxes::kAskGoodbye, Yes}}) {
        EXPECT_NE(box.defaultAnswer, onward) << box.text;
    }
}

}  // namespace
}  // namespace kebo

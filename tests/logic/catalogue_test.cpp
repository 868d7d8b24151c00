#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "messages/message_catalogue.h"
#include "sim_helpers.h"

namespace kebo {
namespace {

using enum MessageId;

TEST(Catalogue, HoldsThirteenMessagesWithTheirExactTextsAndStyles) {
    struct Expected {
        MessageId id;
        std::string_view text;
        unsigned style;
    };
    const Expected expected[] = {
        {MsgAskOpen, "メモ帳を開きますか？", 0x24},
        {MsgRefusalFailed, "拒否できませんでした。強制的に開きます。", 0x30},
        {MsgPleaseWait, "立ち上げにはしばらく時間がかかります。しばらくお待ちください。", 0x40},
        {MsgReadyAskOpen, "お待たせしました、メモ帳を開く準備ができました。今メモ帳を開きますか？",
         0x44},
        {MsgForcePaint, "じゃあ、いっしょに準備しておいたペイントを開きます。（強制）", 0x10},
        {MsgPaintMissing, "ペイントが見つからなかったのでやっぱりメモ帳にします。", 0x10},
        {MsgAskQuit, "終了していいですか？", 0x124},
        {MsgAskQuitReally, "本当に終了しますか？", 0x124},
        {MsgAskRelaunch, "もう一回ぐらいメモ帳を立ち上げてみませんか？", 0x24},
        {MsgAskCancelClose, "今ならキャンセルできます。閉じるのキャンセルしますか？", 0x24},
        {MsgAskGoodbye, "さようなら？", 0x124},
        {MsgBackToLauncher, "ありがとうございます。ランチャーに戻ります。", 0x40},
        {MsgSeeYou, "じゃーねー", 0x30},
    };
    ASSERT_EQ(messageCatalogue().size(), std::size(expected));
    for (const Expected& e : expected) {
        EXPECT_EQ(messageFor(e.id).text, e.text);
        EXPECT_EQ(messageFor(e.id).style, e.style) << e.text;
    }
}

// One session that shows every box: a refused open, Paint missing, Back, Relaunch, Farewell.
TEST(Catalogue, EveryBoxShownCarriesItsTextStyleAndTheCaptionKebo) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    test::startOpened(program);
    for (const int answer : {kAnswerNo, kAnswerOk, kAnswerOk, kAnswerNo, kAnswerOk, kAnswerOk}) {
        p.answer(answer);
    }
    p.click();
    test::runLaunchToEnd(p);
    for (const int answer : {kAnswerYes, kAnswerYes, kAnswerNo, kAnswerNo, kAnswerNo, kAnswerOk}) {
        p.answer(answer);
    }
    p.requestClose(kCloseReasonUser);
    for (const int answer : {kAnswerYes, kAnswerYes, kAnswerYes, kAnswerOk, kAnswerYes}) {
        p.answer(answer);
    }
    p.requestClose(kCloseReasonUser);
    test::runLaunchToEnd(p);
    for (const int answer : {kAnswerYes, kAnswerYes, kAnswerNo, kAnswerNo, kAnswerYes, kAnswerOk}) {
        p.answer(answer);
    }
    p.requestClose(kCloseReasonUser);

    std::set<MessageId> seen;
    for (const ShownBox& box : p.boxes()) {
        ASSERT_TRUE(box.id.has_value()) << box.text;
        seen.insert(*box.id);
        EXPECT_EQ(box.caption, "KEBO");
        EXPECT_EQ(box.style, messageFor(*box.id).style) << box.text;
    }
    EXPECT_EQ(seen.size(), messageCatalogue().size());

    // The wait warning of a click and of the relaunch from the close dialogue are one message.
    std::vector<const ShownBox*> waits;
    for (const ShownBox& box : p.boxes()) {
        if (box.id == MsgPleaseWait) {
            waits.push_back(&box);
        }
    }
    ASSERT_EQ(waits.size(), 2U);
    EXPECT_EQ(waits[0]->text, waits[1]->text);
    EXPECT_EQ(waits[0]->style, waits[1]->style);
    EXPECT_EQ(waits[0]->caption, waits[1]->caption);
}

}  // namespace
}  // namespace kebo

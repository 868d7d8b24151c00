#include "messages/message_catalogue.h"

#include <algorithm>
#include <array>

namespace kebo {

namespace {

constexpr std::array kCatalogue{
    Message{MessageId::MsgAskOpen, "メモ帳を開きますか？", 0x24},
    Message{MessageId::MsgRefusalFailed, "拒否できませんでした。強制的に開きます。", 0x30},
    Message{MessageId::MsgPleaseWait,
            "立ち上げにはしばらく時間がかかります。しばらくお待ちください。", 0x40},
    Message{MessageId::MsgReadyAskOpen,
            "お待たせしました、メモ帳を開く準備ができました。今メモ帳を開きますか？", 0x44},
    Message{MessageId::MsgForcePaint,
            "じゃあ、いっしょに準備しておいたペイントを開きます。（強制）", 0x10},
    Message{MessageId::MsgPaintMissing, "ペイントが見つからなかったのでやっぱりメモ帳にします。",
            0x10},
    Message{MessageId::MsgAskQuit, "終了していいですか？", 0x124},
    Message{MessageId::MsgAskQuitReally, "本当に終了しますか？", 0x124},
    Message{MessageId::MsgAskRelaunch, "もう一回ぐらいメモ帳を立ち上げてみませんか？", 0x24},
    Message{MessageId::MsgAskCancelClose, "今ならキャンセルできます。閉じるのキャンセルしますか？",
            0x24},
    Message{MessageId::MsgAskGoodbye, "さようなら？", 0x124},
    Message{MessageId::MsgBackToLauncher, "ありがとうございます。ランチャーに戻ります。", 0x40},
    Message{MessageId::MsgSeeYou, "じゃーねー", 0x30},
};

// The table is indexed by id; keep it in the enumeration's order.
constexpr bool inIdOrder() {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        if (static_cast<std::size_t>(kCatalogue[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(inIdOrder());

}  // namespace

std::span<const Message> messageCatalogue() {
    return kCatalogue;
}

const Message& messageFor(MessageId id) {
    return kCatalogue.at(static_cast<std::size_t>(id));
}

std::optional<MessageId> messageIdForText(std::string_view text) {
    const auto* found = std::find_if(kCatalogue.begin(), kCatalogue.end(),
                                     [text](const Message& m) { return m.text == text; });
    if (found == kCatalogue.end()) {
        return std::nullopt;
    }
    return found->id;
}

}  // namespace kebo

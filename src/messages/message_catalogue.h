#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace kebo {

enum class MessageId {
    MsgAskOpen,
    MsgRefusalFailed,
    MsgPleaseWait,
    MsgReadyAskOpen,
    MsgForcePaint,
    MsgPaintMissing,
    MsgAskQuit,
    MsgAskQuitReally,
    MsgAskRelaunch,
    MsgAskCancelClose,
    MsgAskGoodbye,
    MsgBackToLauncher,
    MsgSeeYou,
};

// MessageBox style bits.
inline constexpr unsigned kStyleOk = 0x00;
inline constexpr unsigned kStyleYesNo = 0x04;
inline constexpr unsigned kStyleButtonsMask = 0x0F;
inline constexpr unsigned kStyleIconStop = 0x10;
inline constexpr unsigned kStyleIconQuestion = 0x20;
inline constexpr unsigned kStyleIconExclamation = 0x30;
inline constexpr unsigned kStyleIconInformation = 0x40;
inline constexpr unsigned kStyleIconMask = 0xF0;
inline constexpr unsigned kStyleDefaultSecond = 0x100;
inline constexpr unsigned kStyleDefaultMask = 0xF00;

// Every box carries the application title, not the window caption.
inline constexpr std::string_view kMessageCaption = "KEBO";

struct Message {
    MessageId id;
    std::string_view text;  // UTF-8
    unsigned style;
};

std::span<const Message> messageCatalogue();
const Message& messageFor(MessageId id);
std::optional<MessageId> messageIdForText(std::string_view text);

}  // namespace kebo

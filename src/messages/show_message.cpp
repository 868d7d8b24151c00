#include "messages/show_message.h"

namespace kebo {

int showMessage(Platform& platform, MessageId id) {
    const Message& message = messageFor(id);
    return platform.showMessageBox(message.text, kMessageCaption, message.style);
}

}  // namespace kebo

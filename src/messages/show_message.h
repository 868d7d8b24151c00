#pragma once

#include "messages/message_catalogue.h"
#include "platform/platform.h"

namespace kebo {

// Shows the catalogue's box for `id` modally over the window and returns the answer code.
int showMessage(Platform& platform, MessageId id);

}  // namespace kebo

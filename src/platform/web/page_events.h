// What happens on the page, as the page hands it to the backend: the functions the page's handlers
// call, which post it to the launcher.
#pragma once

#include "platform/launcher_events.h"

namespace kebo::web {

// From now on the page's events go to `launcher`; none went anywhere before.
void sendPageEventsTo(LauncherEvents& launcher);

}  // namespace kebo::web

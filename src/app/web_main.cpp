// kebo in a web browser: the launcher served by the page. main only starts it; the page's events
// and the timers drive it from then on, as long as the page is open.
#include "launcher/launcher.h"
#include "platform/web/web_platform.h"

int main() {
    // They outlive main, which returns to the browser's event loop.
    static kebo::web::WebPlatform platform;
    static kebo::Launcher launcher(platform);
    platform.attach(launcher);
    launcher.start();
    return 0;
}

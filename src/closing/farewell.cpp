#include "launcher/launcher.h"

namespace kebo {

void Launcher::farewellStep() {
    setHeight(height() - 50);
    setTop(top() + 25);
    setWidth(width() - 100);
    setLeft(left() + 50);
    if (width() <= 1700) {
        setInterval(Animation::Farewell, 0);
        minimise();
        end();
    }
}

}  // namespace kebo

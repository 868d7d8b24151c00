#include "launcher/launcher_window.h"

namespace kebo {

void Form1::Timer3_Timer() {
    platform_.setWindowHeight(platform_.windowHeight() - 50);
    platform_.setWindowTop(platform_.windowTop() + 25);
    platform_.setWindowWidth(platform_.windowWidth() - 100);
    platform_.setWindowLeft(platform_.windowLeft() + 50);
    if (platform_.windowWidth() <= 1700) {
        platform_.setTimerInterval(Timer::Timer3, 0);
        platform_.setWindowState(WindowState::Minimised);
        platform_.endProgram();
    }
}

}  // namespace kebo

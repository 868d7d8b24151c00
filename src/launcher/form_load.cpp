#include <algorithm>
#include <array>

#include "launcher/launcher_window.h"

namespace kebo {

namespace {

// Calls a directory query with a buffer made of the text it is given, and gives back the whole
// buffer as text, as the query left it.
template <typename Query>
std::int32_t queryDirectory(std::string& text, Query query) {
    std::array<char, kDirectoryBufferSize> buffer{};
    std::copy_n(text.begin(), std::min(text.size(), buffer.size()), buffer.begin());
    const auto length = static_cast<std::int32_t>(query(std::span<char>(buffer)));
    text.assign(buffer.begin(), buffer.end());
    return length;
}

}  // namespace

void Form1::Form_Load() {
    platform_.setWindowWidth(0);
    platform_.setWindowHeight(0);
    platform_.setWindowState(WindowState::Normal);
    platform_.setTimerInterval(Timer::Timer2, 1);
    state_.windowsDir.assign(kDirectoryBufferSize, ' ');
    state_.systemDir.assign(kDirectoryBufferSize, ' ');
    state_.windowsDirLength = queryDirectory(
        state_.windowsDir, [this](std::span<char> b) { return platform_.windowsDirectory(b); });
    state_.systemDirLength = static_cast<std::int16_t>(queryDirectory(
        state_.systemDir, [this](std::span<char> b) { return platform_.systemDirectory(b); }));
}

void Form1::Timer2_Timer() {
    platform_.setWindowHeight(platform_.windowHeight() + 50);
    platform_.setWindowTop(platform_.windowTop() - 25);
    platform_.setWindowWidth(platform_.windowWidth() + 100);
    platform_.moveWindow(platform_.windowLeft() - 50);
    if (platform_.windowWidth() >= 4700) {
        platform_.setWindowWidth(4770);
        platform_.setTimerInterval(Timer::Timer2, 0);
    }
}

}  // namespace kebo

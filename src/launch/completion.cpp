#include <algorithm>
#include <cstdio>
#include <string>

#include "launcher/launcher_window.h"
#include "messages/show_message.h"
#include "messages/start_failure.h"

namespace kebo {

namespace {

constexpr std::string_view kNotepad = "NOTEPAD.EXE";
constexpr std::string_view kMsPaint = "mspaint.exe";
constexpr std::string_view kPaint = "paint.exe";

// The directory part of a query buffer: its first `length` characters, or all of the buffer when
// the query said the path did not fit. A negative length is such an answer too, wrapped round by
// the 16 bits it was kept in.
std::string_view directoryIn(const std::string& buffer, int length) {
    if (length < 0) {
        return buffer;
    }
    return std::string_view(buffer).substr(
        0, std::min(static_cast<std::size_t>(length), buffer.size()));
}

}  // namespace

void Form1::CompleteLaunch() {
    platform_.setProgressBarValue(kProgressBar1Max);
    std::string_view target = kNotepad;
    if (showMessage(platform_, MessageId::MsgReadyAskOpen) == kAnswerNo) {
        showMessage(platform_, MessageId::MsgForcePaint);
        if (const auto paint = findPaint()) {
            target = *paint;
        } else {
            showMessage(platform_, MessageId::MsgPaintMissing);
        }
    }
    const std::string program = platform_.localFileName(target);
    if (const auto reason = platform_.startProgram(program)) {
        // Started from a desktop menu, the program's stderr reaches no one: the user is told too.
        std::fprintf(stderr, "kebo: cannot start %s: %s\n", program.c_str(), reason->c_str());
        std::fflush(stderr);
        platform_.showMessageBox(startFailureText(program, *reason), kMessageCaption,
                                 kStartFailureStyle);
    }

    platform_.setTimerInterval(Timer::Timer1, 0);
    platform_.setProgressBarValue(0);
    platform_.setProgressBarVisible(false);
    platform_.setButtonEnabled(true);
    platform_.setLabelVisible(false);
    state_.progress = 0;
    platform_.setMousePointer(MousePointer::Default);
    state_.tickCount = 0;
}

std::optional<std::string_view> Form1::findPaint() {
    const std::string_view windowsDir = directoryIn(state_.windowsDir, state_.windowsDirLength);
    const std::string_view systemDir = directoryIn(state_.systemDir, state_.systemDirLength);
    for (const std::string_view name : {kMsPaint, kPaint}) {
        const std::string file = platform_.directorySeparator() + platform_.localFileName(name);
        // Both directories are always tested.
        const bool inWindowsDir = platform_.fileExists(std::string(windowsDir) + file);
        const bool inSystemDir = platform_.fileExists(std::string(systemDir) + file);
        if (inWindowsDir || inSystemDir) {
            return name;
        }
    }
    return std::nullopt;
}

}  // namespace kebo

#include <cstdio>
#include <string>

#include "launcher/launcher.h"

namespace kebo {

void Launcher::completeLaunch() {
    platform_.setProgressValue(window::kProgressMax);
    Program target = Program::TextEditor;
    if (ask(boxes::kReadyAskOpen) == Answer::No) {
        ask(boxes::kForcePaint);
        if (const auto paint = findPaint()) {
            target = *paint;
        } else {
            ask(boxes::kPaintMissing);
        }
    }
    if (const auto reason = platform_.startProgram(target)) {
        // Started from a desktop menu, the program's stderr reaches no one: the user is told too.
        const std::string program = platform_.programFile(target);
        std::fprintf(stderr, "kebo: cannot start %s: %s\n", program.c_str(), reason->c_str());
        std::fflush(stderr);
        ask(boxes::startFailure(boxes::startFailureText(program, *reason)));
    }

    setInterval(Animation::Progress, 0);
    platform_.setProgressValue(0);
    platform_.setProgressVisible(false);
    setButtonEnabled(true);
    platform_.setBusyLabelVisible(false);
    state_.progress = 0;
    platform_.setBusyPointer(false);
    state_.tickCount = 0;
}

std::optional<Program> Launcher::findPaint() {
    for (const Program paint : {Program::Paint, Program::SimplePaint}) {
        const std::string file = platform_.directorySeparator() + platform_.programFile(paint);
        // Both folders are always looked in.
        const bool inWindowsFolder = platform_.fileExists(state_.windowsFolder + file);
        const bool inSystemFolder = platform_.fileExists(state_.systemFolder + file);
        if (inWindowsFolder || inSystemFolder) {
            return paint;
        }
    }
    return std::nullopt;
}

}  // namespace kebo

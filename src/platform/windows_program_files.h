// The programs' file names where they are Windows' own: on Windows, on the page that plays a
// Windows desktop in a browser, and on the simulated desktop.
#pragma once

#include <string>

#include "platform/platform.h"

namespace kebo {

inline std::string windowsProgramFile(Program program) {
    switch (program) {
        case Program::TextEditor:
            return "NOTEPAD.EXE";
        case Program::Paint:
            return "mspaint.exe";
        case Program::SimplePaint:
            return "paint.exe";
    }
    return {};
}

}  // namespace kebo

// Which Linux programs stand for the launcher's Windows program names, and how a bare program
// name is found on the search path.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace kebo::qt {

// The full path of the executable file `name` in the first absolute directory of `searchPath`
// (a PATH-style list) that holds one. Empty and relative entries are skipped, so nothing in the
// current directory is ever run.
std::optional<std::string> findOnPath(std::string_view name, std::string_view searchPath);

// The text editor is the first of a short fixed list found on `searchPath` (the first of the list
// when none is); paint is kolourpaint, the simple paint program mtpaint.
std::string programName(Program program, std::string_view searchPath);

}  // namespace kebo::qt

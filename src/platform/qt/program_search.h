// Which Linux programs the launcher's programs are, and how a bare program name is found on the
// search path.
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

// The first plain-text editor of a short fixed list of common ones found on `searchPath`.
std::optional<std::string> listedTextEditor(std::string_view searchPath);

// The text editor is the desktop's default application for plain text, by its desktop file id,
// else the listed text editor (the first of the list when none is found); paint is kolourpaint,
// the simple paint program mtpaint.
std::string programName(Program program, std::string_view searchPath);

}  // namespace kebo::qt

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kebo::qt {

// Starts `name` as a detached process that outlives the launcher, without waiting for it: a
// desktop file id from its desktop entry (see startDesktopEntry), any other name as the file found
// on `searchPath`. It gets the launcher's environment as the user started it, with the id of an
// X11 startup notification added so that its window takes the focus. Only the text editor is
// named by a desktop entry (the desktop's default for plain text): where that cannot be started,
// the listed text editor on `searchPath` is, and where none is, the entry's failure is told.
// Returns the system's reason (UTF-8) when the program cannot be started.
std::optional<std::string> startProgram(std::string_view name, std::string_view searchPath);

}  // namespace kebo::qt

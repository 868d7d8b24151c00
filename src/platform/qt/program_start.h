#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kebo::qt {

// Starts `name`, found on `searchPath`, as a detached process that outlives the launcher, without
// waiting for it. It gets the launcher's environment as the user started it, with the id of an
// X11 startup notification added so that its window takes the focus. Returns the system's
// reason (UTF-8) when the program cannot be started.
std::optional<std::string> startProgram(std::string_view name, std::string_view searchPath);

}  // namespace kebo::qt

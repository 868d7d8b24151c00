// Which Linux programs stand for the launcher's Windows program names, and how a bare program
// name is found on the search path.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kebo::qt {

// The full path of the executable file `name` in the first absolute directory of `searchPath`
// (a PATH-style list) that holds one. Empty and relative entries are skipped, so nothing in the
// current directory is ever run.
std::optional<std::string> findOnPath(std::string_view name, std::string_view searchPath);

// The first plain-text editor of a short fixed list of common ones found on `searchPath`.
std::optional<std::string> listedTextEditor(std::string_view searchPath);

// "NOTEPAD.EXE": the desktop's default application for plain text, by its desktop file id, else
// the listed text editor (the first of the list when none is found); "mspaint.exe": kolourpaint;
// "paint.exe": mtpaint. Any other name stands for itself.
std::string localProgramName(std::string_view programName, std::string_view searchPath);

}  // namespace kebo::qt

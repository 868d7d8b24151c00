// The desktop's default application for plain text, and its start from its desktop entry, through
// GIO: it reads the MIME applications lists (mimeapps.list) and the desktop entries as the
// desktops' own file managers do, so kebo starts the editor they open a text file with.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kebo::qt {

// True for a desktop file id ("org.gnome.TextEditor.desktop"), which names a program by its
// desktop entry rather than by its file.
bool isDesktopFileId(std::string_view name);

// The desktop file id of the application the desktop opens plain text (text/plain) with: the
// user's choice, else the desktop's or the distribution's, else an installed application that
// declares it; none where there is no such application whose program is installed, or where it
// is kebo itself.
std::optional<std::string> defaultTextEditor();

// Starts the application of desktop file id `id` from its entry: its Exec line without file
// arguments (in a terminal where it says Terminal=true), by its program rather than by D-Bus
// activation, so that it gets the launcher's environment as the user started it, with the id of
// an X11 startup notification where the entry says it ends one (StartupNotify=true). Detached;
// returns the reason (UTF-8) when GIO cannot start it.
std::optional<std::string> startDesktopEntry(std::string_view id);

}  // namespace kebo::qt

#pragma once

#include <string_view>

class QWidget;

namespace kebo::qt {

// Shows a QMessageBox for a MessageBox style word (buttons, icon, default button) modally over
// `window` and returns the MessageBox answer code. As on Windows, Escape and the window manager's
// close answer an OK box, and do nothing on a Yes/No box, which offers no close button.
int runMessageBox(QWidget* window, std::string_view text, std::string_view caption, unsigned style);

}  // namespace kebo::qt

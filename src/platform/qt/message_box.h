#pragma once

#include <string_view>

class QWidget;

namespace kebo::qt {

// Shows a QMessageBox for a MessageBox style word (buttons, icon, default button) modally over
// `window` and returns the MessageBox answer code. A Yes/No box left another way (Escape, its
// close button) answers No.
int runMessageBox(QWidget* window, std::string_view text, std::string_view caption, unsigned style);

}  // namespace kebo::qt

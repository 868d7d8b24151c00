#pragma once

#include "platform/launcher_description.h"

class QWidget;

namespace kebo::qt {

// Shows `box` window-modal over `window`, captioned with the application's title, and returns the
// user's answer.
Answer runMessageBox(QWidget* window, const Box& box);

}  // namespace kebo::qt

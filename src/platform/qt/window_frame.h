// The launcher window with the window manager's frame around it. Qt places the client area; the
// launcher's geometry is the outer rectangle, frame included.
#pragma once

#include <QMarginsF>
#include <QRect>

#include "platform/twips.h"

class QWindow;

namespace kebo::qt {

// In Qt's logical pixels. The frame's margins are the window manager's whole device pixels scaled
// down without rounding, so that under a scale factor the outer size in device pixels comes out
// as asked.
struct FramedWindow {
    PixelRect outer;
    QMarginsF frame;
};

// The window as the windowing system has it now. On X11 the frame's rectangle is asked of the X
// server: Qt hears of the window's own changes late and of a new frame at once, and would join an
// old window to a new frame. Elsewhere it is what Qt last heard. The frame is empty while the
// window is undecorated.
FramedWindow framedWindow(const QWindow& window);

// The client area for an outer rectangle, at least 1 x 1 (X11 windows cannot be empty). Halves
// are rounded down here and up the other way, so that the outer rectangle of the client area
// found is the one asked for, unless the client area is held at 1 x 1.
QRect clientFor(const PixelRect& outer, const QMarginsF& frame);

}  // namespace kebo::qt

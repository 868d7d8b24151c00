// The launcher window with the window manager's frame around it. Qt places the client area; the
// launcher's geometry is the outer rectangle, frame included.
#pragma once

#include <QMarginsF>
#include <QRect>
#include <QSize>
#include <optional>

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

// The window as the windowing system has it now: nothing while it is not on the screen (on X11,
// until the window manager has framed and shown it). On X11 it is asked of the X server: Qt hears
// of the window's own changes late and of a new frame at once, and would join an old window to a
// new frame. Elsewhere it is what Qt last heard. The frame is empty while the window is
// undecorated.
std::optional<FramedWindow> framedWindow(const QWindow& window);

// The frame the window manager will put around the window, asked of it before the window is
// first shown (_NET_REQUEST_FRAME_EXTENTS); nothing without X11 or a manager that answers. So the
// window is centred with its frame, and the opening grows it from its real size.
std::optional<QMarginsF> frameBeforeShow(const QWindow& window);

// A fixed single border, in the Motif hints that X11 window managers read: a title with the
// window menu, minimise and close, no resize handles, and neither resize nor maximise among the
// manager's operations (the program still resizes the window itself). Needs the native window;
// nothing without X11.
void setFixedBorder(const QWindow& window);

// Fixes the size of the window's client area for the window manager (WM_NORMAL_HINTS minimum =
// maximum), in Qt's logical pixels; false without X11. Unlike Qt's own, this never resizes the
// window: Qt would resize it to its idea of the window's geometry, which follows the X server
// late, and move it back to where it was some steps ago.
bool fixSizeForManager(const QWindow& window, QSize clientSize);

// The client area for an outer rectangle, at least 1 x 1 (X11 windows cannot be empty). Halves
// are rounded down here and up the other way, so that the outer rectangle of the client area
// found is the one asked for, unless the client area is held at 1 x 1.
QRect clientFor(const PixelRect& outer, const QMarginsF& frame);
// The outer rectangle of a client area in that frame.
PixelRect outerFor(const QRect& client, const QMarginsF& frame);

}  // namespace kebo::qt

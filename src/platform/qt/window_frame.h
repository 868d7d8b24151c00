// The launcher window with the window manager's frame around it. Qt places the client area; the
// launcher's geometry is the outer rectangle, frame included.
#pragma once

#include <QMarginsF>
#include <QRect>
#include <QSize>
#include <functional>
#include <memory>
#include <optional>

#include "platform/twips.h"

class QAbstractNativeEventFilter;
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

// What the X server says of the window manager's work on the window: `placed` at each
// configuration of the window once the manager has taken it in (put it in its frame, or mapped
// it), which only the manager makes (a program's requests are redirected to it): it has placed
// the window in its frame, moved or resized it there, or told it where it is (ICCCM 4.1.5); kwin
// frames a window first and holds it at the height of its title bar after. `framed` when it
// announces the frame anew (_NET_FRAME_EXTENTS), or moves or resizes the frame. Null without X11,
// or without a window manager (none announces itself), where a window is placed once it is mapped.
std::unique_ptr<QAbstractNativeEventFilter> watchManager(const QWindow& window,
                                                         std::function<void()> placed,
                                                         std::function<void()> framed);

// The frame the window manager will put around the window, asked of it before the window is
// first shown (_NET_REQUEST_FRAME_EXTENTS); nothing without X11 or a manager that answers. So the
// window is centred with its frame, and the opening grows it from its real size.
std::optional<QMarginsF> frameBeforeShow(const QWindow& window);

// A fixed single border, in the Motif hints that X11 window managers read: a title with the
// window menu, minimise and close, no resize handles, and neither resize nor maximise among the
// manager's operations (the program still resizes the window itself). Needs the native window;
// nothing without X11.
void setFixedBorder(const QWindow& window);

// The window's size is fixed for the window manager (WM_NORMAL_HINTS minimum = maximum) from
// before it is first mapped, so that a tiling manager floats it, and moves with each step. In
// Qt's logical pixels; both false without X11, and both bypass Qt, which would write hints of its
// own and resize the window to its idea of the geometry, which follows the X server late.
//
// placeHeld moves and resizes the client area, with the limits, in the order that makes one
// change of it for the window manager, which constrains a request by the limits it has and never
// sees a range of sizes where it would offer the user a resize. openbox, xfwm4 and most others
// apply new limits at once to the window as it is, and keep to the Motif hints: the limits are
// widened to take the new size as well as the one they hold, then the request follows, flushed
// (fixed at the new size, they would make the manager resize the window at its old place first
// and move it after); holdSize fixes them at the size once the X server has the window at it,
// that is once the manager has applied the request. kwin applies new limits at once too, about
// the point the window's gravity names, and offers a resize for a range: a new size goes in the
// limits alone, under the centre's gravity, and kwin keeps the window's centre (to within its
// own rounding); a move, at the size the window keeps, is asked for under the static gravity
// that the request names itself (_NET_MOVERESIZE_WINDOW). The managers of the Metacity
// line (metacity, marco, mutter, muffin) apply them at their next layout of the window, and offer
// a resize and add resize borders to the frame for a range: the limits are fixed at the new size,
// and the request follows them, flushed with them, so that the manager applies both in the one
// layout. placeHeld is true when holdSize is to follow.
bool placeHeld(const QWindow& window, const QRect& client);
bool holdSize(const QWindow& window, QSize clientSize);

// Whether the window manager lays a window out anew only later, at its next layout (the Metacity
// line). Busy, such a manager applies the newest limits before the moves that came with the steps
// before them, and the window shows a size at the place of an older step: it is to be given one
// step at a time, the next once the X server has the window where the one before asked.
bool laysOutLate(const QWindow& window);
// Whether the X server has the client area at `client`, place and size, in Qt's logical pixels.
bool placedAt(const QWindow& window, const QRect& client);

// The client area for an outer rectangle, at least 1 x 1 (X11 windows cannot be empty). Halves
// are rounded down here and up the other way, so that the outer rectangle of the client area
// found is the one asked for, unless the client area is held at 1 x 1.
QRect clientFor(const PixelRect& outer, const QMarginsF& frame);
// The outer rectangle of a client area in that frame.
PixelRect outerFor(const QRect& client, const QMarginsF& frame);

}  // namespace kebo::qt

#include "platform/qt/window_frame.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>

namespace kebo::qt {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

int roundHalfDown(double value) {
    return static_cast<int>(std::ceil(value - 0.5));
}

int roundHalfUp(double value) {
    return static_cast<int>(std::floor(value + 0.5));
}

PixelRect outerOf(const QRectF& client, const QMarginsF& frame) {
    const int left = roundHalfUp(client.left() - frame.left());
    const int top = roundHalfUp(client.top() - frame.top());
    const int right = roundHalfUp(client.right() + frame.right());
    const int bottom = roundHalfUp(client.bottom() + frame.bottom());
    return {left, top, right - left, bottom - top};
}

// The window manager's frame: the ancestor of `window` that is a child of the root, or the
// window itself while it is undecorated.
xcb_window_t frameOf(xcb_connection_t* c, xcb_window_t window) {
    while (true) {
        const Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
        if (!tree || tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE) {
            return window;
        }
        window = tree->parent;
    }
}

// The frame's margins as the window manager announces them (_NET_FRAME_EXTENTS): they change
// only with the frame itself, whereas the window's place in the frame is off for a moment while
// the manager resizes the frame and then the window.
std::optional<QMargins> announcedExtents(xcb_connection_t* c, xcb_window_t window) {
    static constexpr char kName[] = "_NET_FRAME_EXTENTS";
    static const xcb_atom_t atom = [c] {
        const Reply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof kName - 1, kName), nullptr));
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }();
    if (atom == XCB_ATOM_NONE) {
        return std::nullopt;
    }
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atom, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) {
        return std::nullopt;
    }
    const auto* extents = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    // Left, right, top, bottom.
    return QMargins(static_cast<int>(extents[0]), static_cast<int>(extents[2]),
                    static_cast<int>(extents[1]), static_cast<int>(extents[3]));
}

// The outer rectangle and the frame's margins in device pixels, from the X server.
std::optional<std::pair<QRect, QMargins>> fromX11(const QWindow& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) {
        return std::nullopt;
    }
    xcb_connection_t* c = x11->connection();
    const auto client = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t frame = frameOf(c, client);
    const Reply<xcb_get_geometry_reply_t> box(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, frame), nullptr));
    if (!box) {
        return std::nullopt;
    }
    const QRect outer(box->x, box->y, box->width + 2 * box->border_width,
                      box->height + 2 * box->border_width);
    if (frame == client) {
        return std::pair{outer, QMargins()};
    }
    if (const auto extents = announcedExtents(c, client)) {
        return std::pair{outer, *extents};
    }
    const auto sizeCookie = xcb_get_geometry(c, client);
    const auto insideCookie = xcb_translate_coordinates(c, client, frame, 0, 0);
    const Reply<xcb_get_geometry_reply_t> size(xcb_get_geometry_reply(c, sizeCookie, nullptr));
    const Reply<xcb_translate_coordinates_reply_t> inside(
        xcb_translate_coordinates_reply(c, insideCookie, nullptr));
    if (!size || !inside) {
        return std::nullopt;
    }
    return std::pair{
        outer, QMargins(inside->dst_x, inside->dst_y, outer.width() - inside->dst_x - size->width,
                        outer.height() - inside->dst_y - size->height)};
}

}  // namespace

FramedWindow framedWindow(const QWindow& window) {
    if (const auto native = fromX11(window)) {
        const double scale = window.devicePixelRatio();
        const QRectF outer(QRectF(native->first).topLeft() / scale,
                           QRectF(native->first).size() / scale);
        const int left = roundHalfUp(outer.left());
        const int top = roundHalfUp(outer.top());
        return {{left, top, roundHalfUp(outer.right()) - left, roundHalfUp(outer.bottom()) - top},
                QMarginsF(native->second) / scale};
    }
    const QMarginsF frame(window.frameMargins());
    return {outerOf(QRectF(window.geometry()), frame), frame};
}

QRect clientFor(const PixelRect& outer, const QMarginsF& frame) {
    const int left = roundHalfDown(outer.left + frame.left());
    const int top = roundHalfDown(outer.top + frame.top());
    const int right = roundHalfDown(outer.left + outer.width - frame.right());
    const int bottom = roundHalfDown(outer.top + outer.height - frame.bottom());
    return {left, top, std::max(right - left, 1), std::max(bottom - top, 1)};
}

}  // namespace kebo::qt

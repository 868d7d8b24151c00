#include "platform/qt/window_frame.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

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

// The client area and the frame's margins in device pixels, from the X server.
std::optional<std::pair<QRect, QMargins>> fromX11(const QWindow& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) {
        return std::nullopt;
    }
    xcb_connection_t* c = x11->connection();
    const auto client = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t frame = frameOf(c, client);
    const auto frameCookie = xcb_get_geometry(c, frame);
    const auto clientCookie = xcb_get_geometry(c, client);
    const auto insideCookie = xcb_translate_coordinates(c, client, frame, 0, 0);
    const Reply<xcb_get_geometry_reply_t> frameBox(xcb_get_geometry_reply(c, frameCookie, nullptr));
    const Reply<xcb_get_geometry_reply_t> clientBox(
        xcb_get_geometry_reply(c, clientCookie, nullptr));
    const Reply<xcb_translate_coordinates_reply_t> inside(
        xcb_translate_coordinates_reply(c, insideCookie, nullptr));
    if (!frameBox || !clientBox || !inside) {
        return std::nullopt;
    }
    const QRect outer(frameBox->x, frameBox->y, frameBox->width + 2 * frameBox->border_width,
                      frameBox->height + 2 * frameBox->border_width);
    const QRect area(outer.x() + inside->dst_x, outer.y() + inside->dst_y, clientBox->width,
                     clientBox->height);
    return std::pair{area, QMargins(area.left() - outer.left(), area.top() - outer.top(),
                                    outer.right() - area.right(), outer.bottom() - area.bottom())};
}

}  // namespace

FramedWindow framedWindow(const QWindow& window) {
    if (const auto native = fromX11(window)) {
        const double scale = window.devicePixelRatio();
        const QRectF client(QRectF(native->first).topLeft() / scale,
                            QRectF(native->first).size() / scale);
        const QMarginsF frame = QMarginsF(native->second) / scale;
        return {outerOf(client, frame), frame};
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

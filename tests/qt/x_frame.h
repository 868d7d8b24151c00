// The window manager's frame around a window, as the X server has it: what the user sees,
// whatever the program believes.
#pragma once

#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace kebo::test {

template <typename T>
using XReply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
XReply<T> xReply(T* raw) {
    return XReply<T>(raw, &std::free);
}

inline xcb_window_t rootOf(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// The atom of that name, made when no client has made it yet.
inline xcb_atom_t atom(xcb_connection_t* c, std::string_view name) {
    auto r = xReply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.data()), nullptr));
    return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// A round trip: by its reply the server has handled every earlier request and sent every earlier
// event.
inline void roundTrip(xcb_connection_t* c) {
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

// The window manager's frame around `window`: its ancestor that is a child of the root, or the
// window itself while it is undecorated.
inline xcb_window_t frameOf(xcb_connection_t* c, xcb_window_t window) {
    const xcb_window_t root = rootOf(c);
    while (true) {
        auto tree = xReply(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
        if (!tree || tree->parent == root || tree->parent == XCB_WINDOW_NONE) {
            return window;
        }
        window = tree->parent;
    }
}

struct XRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const XRect&) const = default;
    // Twice the centre, in whole pixels.
    int centreX2() const { return 2 * x + width; }
    int centreY2() const { return 2 * y + height; }
};

// The window itself, without the frame, in root coordinates.
inline std::optional<XRect> clientGeometry(xcb_connection_t* c, xcb_window_t window) {
    auto g = xReply(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    auto at = xReply(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, window, rootOf(c), 0, 0), nullptr));
    if (!g || !at) {
        return std::nullopt;
    }
    return XRect{at->dst_x, at->dst_y, g->width, g->height};
}

// The frame's margins the window manager announces (_NET_FRAME_EXTENTS): left, right, top,
// bottom.
inline std::optional<std::array<int, 4>> frameExtents(xcb_connection_t* c, xcb_window_t window) {
    auto p = xReply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atom(c, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!p || p->format != 32 || xcb_get_property_value_length(p.get()) != 16) {
        return std::nullopt;
    }
    const auto* e = static_cast<const std::uint32_t*>(xcb_get_property_value(p.get()));
    return std::array<int, 4>{static_cast<int>(e[0]), static_cast<int>(e[1]),
                              static_cast<int>(e[2]), static_cast<int>(e[3])};
}

// Where the client area lies inside the frame the window manager announced, when the outer
// rectangle is `outer`.
inline XRect inside(const XRect& outer, const std::array<int, 4>& frame) {
    const auto [left, right, top, bottom] = frame;
    return {outer.x + left, outer.y + top, outer.width - left - right, outer.height - top - bottom};
}

// The outer geometry of `window` with its frame, in pixels, as the user sees it: the window with
// the margins its manager announces, or else the frame window (some managers' frame windows reach
// beyond what is drawn, to catch the pointer for a resize).
inline std::optional<XRect> frameGeometry(xcb_connection_t* c, xcb_window_t window) {
    if (const auto extents = frameExtents(c, window)) {
        const auto [left, right, top, bottom] = *extents;
        if (const auto client = clientGeometry(c, window)) {
            return XRect{client->x - left, client->y - top, client->width + left + right,
                         client->height + top + bottom};
        }
        return std::nullopt;
    }
    auto g = xReply(xcb_get_geometry_reply(c, xcb_get_geometry(c, frameOf(c, window)), nullptr));
    if (!g) {
        return std::nullopt;
    }
    const int border = g->border_width;
    return XRect{g->x, g->y, g->width + 2 * border, g->height + 2 * border};
}

// Records, on a connection of its own, every ConfigureNotify of the root's children: the window
// manager's frames, as the X server moves and resizes them.
class FrameWatch {
public:
    FrameWatch() : c_(xcb_connect(nullptr, nullptr)) {
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, rootOf(c_), XCB_CW_EVENT_MASK, &mask);
        xcb_flush(c_);
    }
    FrameWatch(const FrameWatch&) = delete;
    FrameWatch& operator=(const FrameWatch&) = delete;
    ~FrameWatch() { xcb_disconnect(c_); }

    // Every geometry `frame` was given up to now, in order.
    std::vector<XRect> changesOf(xcb_window_t frame) {
        roundTrip(c_);
        while (auto event = xReply(xcb_poll_for_event(c_))) {
            if ((event->response_type & 0x7F) == XCB_CONFIGURE_NOTIFY) {
                const auto* e = reinterpret_cast<const xcb_configure_notify_event_t*>(event.get());
                seen_.push_back({e->window, XRect{e->x, e->y, e->width + 2 * e->border_width,
                                                  e->height + 2 * e->border_width}});
            }
        }
        std::vector<XRect> changes;
        for (const auto& [window, rect] : seen_) {
            if (window == frame) {
                changes.push_back(rect);
            }
        }
        return changes;
    }

private:
    xcb_connection_t* c_;
    std::vector<std::pair<xcb_window_t, XRect>> seen_;
};

}  // namespace kebo::test

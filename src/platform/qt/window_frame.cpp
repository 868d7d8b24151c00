#include "platform/qt/window_frame.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QSizeF>
#include <QWindow>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <thread>
#include <utility>

#include "platform/qt/display.h"

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

// The atom of that name; none when no client has made it yet.
xcb_atom_t atomNamed(xcb_connection_t* c, std::string_view name, bool onlyIfExists = true) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c,
                              xcb_intern_atom(c, onlyIfExists ? 1 : 0,
                                              static_cast<std::uint16_t>(name.size()), name.data()),
                              nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t rootOf(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// The window by which the window manager announces itself (_NET_SUPPORTING_WM_CHECK); none
// without a manager.
xcb_window_t managerWindow(xcb_connection_t* c) {
    const xcb_atom_t check = atomNamed(c, "_NET_SUPPORTING_WM_CHECK");
    if (check == XCB_ATOM_NONE) {
        return XCB_WINDOW_NONE;
    }
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, rootOf(c), check, XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != 4) {
        return XCB_WINDOW_NONE;
    }
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

// How the window manager takes new size limits, by the name it announces. openbox, xfwm4 and
// most others apply them at once to the window as it is, keeping its top-left corner, and keep to
// the Motif hints. kwin applies them at once about the point that the window's gravity names.
// The managers of the Metacity line (metacity, marco "Metacity (Marco)", mutter, muffin "Mutter
// (Muffin)", GNOME Shell) apply them at their next layout of the window, which is the
// move-and-resize when it follows at once. kwin and the Metacity line take a range of sizes for a
// window that the user may resize, whatever the Motif hints say: they offer a resize and a
// maximise, and the Metacity line adds its resize borders to the frame window.
enum class LimitsTaken { AtOnce, AboutTheGravity, WithTheNextLayout };

LimitsTaken limitsTakenBy(xcb_connection_t* c) {
    static const LimitsTaken taken = [c] {
        const xcb_window_t manager = managerWindow(c);
        if (manager == XCB_WINDOW_NONE) {
            return LimitsTaken::AtOnce;
        }
        const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            c,
            xcb_get_property(c, 0, manager, atomNamed(c, "_NET_WM_NAME", false),
                             atomNamed(c, "UTF8_STRING", false), 0, 64),
            nullptr));
        if (!reply) {
            return LimitsTaken::AtOnce;
        }
        const std::string_view name(
            static_cast<const char*>(xcb_get_property_value(reply.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
        if (name == "KWin") {
            return LimitsTaken::AboutTheGravity;
        }
        return name.starts_with("Metacity") || name.starts_with("Mutter") || name == "GNOME Shell"
                   ? LimitsTaken::WithTheNextLayout
                   : LimitsTaken::AtOnce;
    }();
    return taken;
}

// Whether the window manager says it supports `atom` (_NET_SUPPORTED).
bool managerSupports(xcb_connection_t* c, xcb_atom_t atom) {
    const xcb_atom_t supported = atomNamed(c, "_NET_SUPPORTED");
    if (supported == XCB_ATOM_NONE || atom == XCB_ATOM_NONE) {
        return false;
    }
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, rootOf(c), supported, XCB_ATOM_ATOM, 0, 4096), nullptr));
    if (!reply || reply->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, atom) != atoms + count;
}

// A fixed single border in the Motif window manager hints: flags, functions, decorations,
// input mode, status.
void writeFixedBorder(xcb_connection_t* c, xcb_window_t window) {
    enum : std::uint32_t { kFunctions = 1, kDecorations = 2 };
    enum : std::uint32_t { kMove = 4, kMinimise = 8, kClose = 32 };
    enum : std::uint32_t { kBorder = 2, kTitle = 8, kMenu = 16, kMinimiseButton = 32 };
    const std::array<std::uint32_t, 5> hints{kFunctions | kDecorations, kMove | kMinimise | kClose,
                                             kBorder | kTitle | kMenu | kMinimiseButton, 0, 0};
    const xcb_atom_t atom = atomNamed(c, "_MOTIF_WM_HINTS", false);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atom, atom, 32, hints.size(),
                        hints.data());
}

// WM_SIZE_HINTS (ICCCM 4.1.2.3): flags, 4 obsolete fields, minimum and maximum width and
// height, ..., the gravity. The rest is kept as Qt wrote it: the place.
enum : std::uint32_t { kMinSize = 16, kMaxSize = 32, kGravitySet = 512 };
enum : std::uint32_t { kCentreGravity = 5, kStaticGravity = 10 };
enum : std::size_t {
    kFlags = 0,
    kMinWidth = 5,
    kMinHeight,
    kMaxWidth,
    kMaxHeight,
    kGravity = 17,
    kFields
};
using SizeHints = std::array<std::uint32_t, kFields>;

SizeHints readSizeHints(xcb_connection_t* c, xcb_window_t window) {
    SizeHints hints{};
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c,
                               xcb_get_property(c, 0, window, XCB_ATOM_WM_NORMAL_HINTS,
                                                XCB_ATOM_WM_SIZE_HINTS, 0, kFields),
                               nullptr));
    if (reply && reply->format == 32) {
        const auto length = std::min<std::size_t>(
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get())) / 4, kFields);
        std::copy_n(static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get())), length,
                    hints.begin());
    }
    return hints;
}

void writeSizeLimits(xcb_connection_t* c, xcb_window_t window, SizeHints& hints, QSize least,
                     QSize most) {
    hints[kFlags] |= kMinSize | kMaxSize;
    hints[kMinWidth] = static_cast<std::uint32_t>(least.width());
    hints[kMinHeight] = static_cast<std::uint32_t>(least.height());
    hints[kMaxWidth] = static_cast<std::uint32_t>(most.width());
    hints[kMaxHeight] = static_cast<std::uint32_t>(most.height());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, kFields, hints.data());
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
xcb_get_property_cookie_t askExtents(xcb_connection_t* c, xcb_window_t window) {
    static const xcb_atom_t atom = atomNamed(c, "_NET_FRAME_EXTENTS", false);
    return xcb_get_property(c, 0, window, atom, XCB_ATOM_CARDINAL, 0, 4);
}

std::optional<QMargins> announcedExtents(xcb_connection_t* c, xcb_get_property_cookie_t asked) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, asked, nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) {
        return std::nullopt;
    }
    const auto* extents = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    // Left, right, top, bottom.
    return QMargins(static_cast<int>(extents[0]), static_cast<int>(extents[2]),
                    static_cast<int>(extents[1]), static_cast<int>(extents[3]));
}

// The frame of the window that the manager watch follows, found when the manager puts the window
// in it.
struct {
    xcb_window_t client = XCB_WINDOW_NONE;
    xcb_window_t frame = XCB_WINDOW_NONE;
} watched;

// The outer rectangle and the frame's margins in device pixels, from the X server. Where the
// window manager announces its frame, the outer rectangle is the window with those margins around
// it: the frame window of mutter and metacity is larger than what is seen of the frame, by
// borders that only catch the pointer for a resize.
std::optional<std::pair<QRect, QMargins>> fromX11(const QWindow& window) {
    xcb_connection_t* c = xConnection();
    if (c == nullptr) {
        return std::nullopt;
    }
    const auto client = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = rootOf(c);
    // All asked at once: a report costs one round trip once the frame is known.
    const xcb_window_t frame = client == watched.client ? watched.frame : frameOf(c, client);
    const auto stateCookie = xcb_get_window_attributes(c, client);
    const auto sizeCookie = xcb_get_geometry(c, client);
    const auto placeCookie = xcb_translate_coordinates(c, client, root, 0, 0);
    const auto boxCookie = xcb_get_geometry(c, frame);
    const auto extentsCookie = askExtents(c, client);
    const Reply<xcb_get_window_attributes_reply_t> state(
        xcb_get_window_attributes_reply(c, stateCookie, nullptr));
    const Reply<xcb_get_geometry_reply_t> size(xcb_get_geometry_reply(c, sizeCookie, nullptr));
    const Reply<xcb_translate_coordinates_reply_t> place(
        xcb_translate_coordinates_reply(c, placeCookie, nullptr));
    const Reply<xcb_get_geometry_reply_t> box(xcb_get_geometry_reply(c, boxCookie, nullptr));
    const auto extents = announcedExtents(c, extentsCookie);
    // Until the window manager has framed the window and shown the frame, it is still placing
    // it: what is read then is a moment of that work, not where the window is going.
    if (!state || state->map_state != XCB_MAP_STATE_VIEWABLE || !size || !place || !box) {
        return std::nullopt;
    }
    const QRect inner(place->dst_x, place->dst_y, size->width, size->height);
    const QRect outer = frame == client ? inner
                                        : QRect(box->x, box->y, box->width + 2 * box->border_width,
                                                box->height + 2 * box->border_width);
    // A frame that does not hold the whole window is being animated: openbox shrinks it toward
    // the taskbar and back when the window is minimised and restored, and tells the window
    // nothing when it is done. Where it was is where it comes back to.
    if (!outer.contains(inner)) {
        return std::nullopt;
    }
    if (extents) {
        // The frame that the manager draws lies within its frame window, which reaches as far
        // beyond it on the left as on the right (mutter's and marco's borders that catch the
        // pointer for a resize). Read between the manager's change of the frame window and its
        // move of the window inside (marco adds or drops those borders when a window's limits
        // let its size go and hold it again), it does not: that is no place the window has.
        const QRect framed = inner.marginsAdded(*extents);
        if (frame != client && (!outer.contains(framed) ||
                                framed.left() - outer.left() != outer.right() - framed.right())) {
            return std::nullopt;
        }
        return std::pair{framed, *extents};
    }
    // A manager that announces frames has not framed the window yet.
    static const bool framesAnnounced = managerSupports(c, atomNamed(c, "_NET_FRAME_EXTENTS"));
    if (framesAnnounced) {
        return std::nullopt;
    }
    return std::pair{outer,
                     QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                              outer.right() - inner.right(), outer.bottom() - inner.bottom())};
}

class ManagerWatch final : public QAbstractNativeEventFilter {
public:
    ManagerWatch(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t extents,
                 std::function<void()> placed, std::function<void()> framed)
        : connection_(connection),
          window_(window),
          extents_(extents),
          placed_(std::move(placed)),
          framed_(std::move(framed)) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        // The server's notifications and those the manager sends itself (this bit) alike.
        constexpr std::uint8_t kSent = 0x80;
        switch (event->response_type & ~kSent) {
            // The manager takes the window in: it puts it in its frame, or maps it. The frame's
            // own moves and resizes are heard of too: the manager may resize the frame and the
            // window one after the other, or animate the frame, and tell the window nothing.
            case XCB_REPARENT_NOTIFY:
                if (reinterpret_cast<const xcb_reparent_notify_event_t*>(event)->window ==
                    window_) {
                    taken_ = true;
                    watchFrame();
                }
                break;
            case XCB_MAP_NOTIFY:
                taken_ = taken_ ||
                         reinterpret_cast<const xcb_map_notify_event_t*>(event)->window == window_;
                break;
            // Configurations from before come from the program's own requests.
            case XCB_CONFIGURE_NOTIFY: {
                const xcb_window_t configured =
                    reinterpret_cast<const xcb_configure_notify_event_t*>(event)->window;
                if (taken_ && configured == window_) {
                    placed_();
                } else if (configured == frame_) {
                    framed_();
                }
                break;
            }
            case XCB_PROPERTY_NOTIFY: {
                const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
                if (change->window == window_ && change->atom == extents_) {
                    framed_();
                }
                break;
            }
            default:
                break;
        }
        return false;
    }

private:
    void watchFrame() {
        frame_ = frameOf(connection_, window_);
        watched = {window_, frame_};
        if (frame_ != window_) {
            const std::uint32_t changes = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(connection_, frame_, XCB_CW_EVENT_MASK, &changes);
            xcb_flush(connection_);
        }
    }

    xcb_connection_t* connection_;
    xcb_window_t window_;
    xcb_window_t frame_ = XCB_WINDOW_NONE;
    xcb_atom_t extents_;
    bool taken_ = false;
    std::function<void()> placed_;
    std::function<void()> framed_;
};

}  // namespace

std::unique_ptr<QAbstractNativeEventFilter> watchManager(const QWindow& window,
                                                         std::function<void()> placed,
                                                         std::function<void()> framed) {
    xcb_connection_t* c = xConnection();
    if (c == nullptr || managerWindow(c) == XCB_WINDOW_NONE) {
        return nullptr;
    }
    return std::make_unique<ManagerWatch>(c, static_cast<xcb_window_t>(window.winId()),
                                          atomNamed(c, "_NET_FRAME_EXTENTS", false),
                                          std::move(placed), std::move(framed));
}

std::optional<FramedWindow> framedWindow(const QWindow& window) {
    if (xConnection() != nullptr) {
        const auto native = fromX11(window);
        if (!native) {
            return std::nullopt;
        }
        const double scale = window.devicePixelRatio();
        const QRectF outer(QRectF(native->first).topLeft() / scale,
                           QRectF(native->first).size() / scale);
        const int left = roundHalfUp(outer.left());
        const int top = roundHalfUp(outer.top());
        return FramedWindow{
            {left, top, roundHalfUp(outer.right()) - left, roundHalfUp(outer.bottom()) - top},
            QMarginsF(native->second) / scale};
    }
    const QMarginsF frame(window.frameMargins());
    return FramedWindow{outerFor(window.geometry(), frame), frame};
}

std::optional<QMarginsF> frameBeforeShow(const QWindow& window) {
    xcb_connection_t* c = xConnection();
    if (c == nullptr) {
        return std::nullopt;
    }
    const xcb_atom_t request = atomNamed(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (!managerSupports(c, request)) {
        return std::nullopt;
    }
    const auto client = static_cast<xcb_window_t>(window.winId());
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = client;
    message.type = request;
    xcb_send_event(c, 0, rootOf(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
    // The managers here answer within milliseconds; one that is busy elsewhere costs the start
    // a quarter of a second at most, and the window is then framed where it is shown.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(250);
    while (std::chrono::steady_clock::now() < deadline) {
        if (const auto extents = announcedExtents(c, askExtents(c, client))) {
            return QMarginsF(*extents) / window.devicePixelRatio();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return std::nullopt;
}

void setFixedBorder(const QWindow& window) {
    if (xcb_connection_t* c = xConnection()) {
        writeFixedBorder(c, static_cast<xcb_window_t>(window.winId()));
    }
}

namespace {

// The client area asked of the window manager, at `place` in the root window under the window's
// gravity, with its size also when that stays the same.
void request(xcb_connection_t* c, xcb_window_t window, const QRect& place) {
    const std::array<std::uint32_t, 4> values{
        static_cast<std::uint32_t>(place.x()), static_cast<std::uint32_t>(place.y()),
        static_cast<std::uint32_t>(place.width()), static_cast<std::uint32_t>(place.height())};
    xcb_configure_window(c, window,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                             XCB_CONFIG_WINDOW_HEIGHT,
                         values.data());
}

// The client area asked of the window manager through it (_NET_MOVERESIZE_WINDOW, by an
// application), at `place` under `gravity`.
void moveResize(xcb_connection_t* c, xcb_window_t window, const QRect& place,
                std::uint32_t gravity) {
    static const xcb_atom_t type = atomNamed(c, "_NET_MOVERESIZE_WINDOW", false);
    enum : std::uint32_t { kAllFour = 0xf << 8, kByAnApplication = 1 << 12 };
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = type;
    message.data.data32[0] = gravity | kAllFour | kByAnApplication;
    message.data.data32[1] = static_cast<std::uint32_t>(place.x());
    message.data.data32[2] = static_cast<std::uint32_t>(place.y());
    message.data.data32[3] = static_cast<std::uint32_t>(place.width());
    message.data.data32[4] = static_cast<std::uint32_t>(place.height());
    xcb_send_event(c, 0, rootOf(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
}

}  // namespace

bool placeHeld(const QWindow& window, const QRect& client) {
    xcb_connection_t* c = xConnection();
    if (c == nullptr) {
        return false;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    SizeHints hints = readSizeHints(c, id);
    const double scale = window.devicePixelRatio();
    const QRect device(qRound(client.x() * scale), qRound(client.y() * scale),
                       qRound(client.width() * scale), qRound(client.height() * scale));
    switch (limitsTakenBy(c)) {
        case LimitsTaken::AtOnce: {
            // Widened to take both sizes: limits fixed at the new size would make the manager
            // resize the window at its old place first and move it after.
            QSize least = device.size();
            QSize most = device.size();
            if ((hints[kFlags] & (kMinSize | kMaxSize)) == (kMinSize | kMaxSize)) {
                least = least.boundedTo(
                    QSize(static_cast<int>(hints[kMinWidth]), static_cast<int>(hints[kMinHeight])));
                most = most.expandedTo(
                    QSize(static_cast<int>(hints[kMaxWidth]), static_cast<int>(hints[kMaxHeight])));
            }
            writeSizeLimits(c, id, hints, least, most);
            request(c, id, device);
            xcb_flush(c);
            return true;
        }
        case LimitsTaken::AboutTheGravity: {
            // A new size goes in the limits alone, and the manager keeps the window's centre, as
            // the opening and the farewell do, in one change. A move keeps the size, and is asked
            // for under Qt's static gravity, which the message names itself: the manager may
            // read the limits of a step after it first.
            const bool resized = (hints[kFlags] & kMinSize) == 0 ||
                                 QSize(static_cast<int>(hints[kMinWidth]),
                                       static_cast<int>(hints[kMinHeight])) != device.size();
            hints[kFlags] |= kGravitySet;
            hints[kGravity] = kCentreGravity;
            writeSizeLimits(c, id, hints, device.size(), device.size());
            if (!resized) {
                moveResize(c, id, device, kStaticGravity);
            }
            xcb_flush(c);
            return false;
        }
        case LimitsTaken::WithTheNextLayout:
            // Flushed with the request that follows them, so that the manager applies both in the
            // one layout.
            writeSizeLimits(c, id, hints, device.size(), device.size());
            request(c, id, device);
            xcb_flush(c);
            return false;
    }
    return false;
}

bool holdSize(const QWindow& window, QSize clientSize) {
    xcb_connection_t* c = xConnection();
    if (c == nullptr) {
        return false;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const QSize device = (QSizeF(clientSize) * window.devicePixelRatio()).toSize();
    const Reply<xcb_get_geometry_reply_t> now(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr));
    if (!now || QSize(now->width, now->height) != device) {
        return false;
    }
    SizeHints hints = readSizeHints(c, id);
    writeSizeLimits(c, id, hints, device, device);
    xcb_flush(c);
    return true;
}

bool laysOutLate(const QWindow& window) {
    xcb_connection_t* c = xConnection();
    return c != nullptr && window.winId() != 0 &&
           limitsTakenBy(c) == LimitsTaken::WithTheNextLayout;
}

bool placedAt(const QWindow& window, const QRect& client) {
    xcb_connection_t* c = xConnection();
    if (c == nullptr) {
        return true;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const auto sizeCookie = xcb_get_geometry(c, id);
    const auto placeCookie = xcb_translate_coordinates(c, id, rootOf(c), 0, 0);
    const Reply<xcb_get_geometry_reply_t> size(xcb_get_geometry_reply(c, sizeCookie, nullptr));
    const Reply<xcb_translate_coordinates_reply_t> place(
        xcb_translate_coordinates_reply(c, placeCookie, nullptr));
    const double scale = window.devicePixelRatio();
    return size && place &&
           QRect(place->dst_x, place->dst_y, size->width, size->height) ==
               QRect(qRound(client.x() * scale), qRound(client.y() * scale),
                     qRound(client.width() * scale), qRound(client.height() * scale));
}

QRect clientFor(const PixelRect& outer, const QMarginsF& frame) {
    const int left = roundHalfDown(outer.left + frame.left());
    const int top = roundHalfDown(outer.top + frame.top());
    const int right = roundHalfDown(outer.left + outer.width - frame.right());
    const int bottom = roundHalfDown(outer.top + outer.height - frame.bottom());
    return {left, top, std::max(right - left, 1), std::max(bottom - top, 1)};
}

PixelRect outerFor(const QRect& clientArea, const QMarginsF& frame) {
    const QRectF client(clientArea);
    const int left = roundHalfUp(client.left() - frame.left());
    const int top = roundHalfUp(client.top() - frame.top());
    const int right = roundHalfUp(client.right() + frame.right());
    const int bottom = roundHalfUp(client.bottom() + frame.bottom());
    return {left, top, right - left, bottom - top};
}

}  // namespace kebo::qt

// What the end-to-end script needs from the X server that xdotool does not offer:
//   x_tool frame WINDOW        prints the outer geometry "x y width height" in pixels (the window
//                              with the frame its manager announces),
//                              then the window's own "x y width height" inside it
//   x_tool watch WINDOW        prints "<ms> frame X Y W H", the outer geometry, at every change of
//                              the frame,
//                              "<ms> iconify" when the window asks to be minimised, "<ms> gone"
//                              when it is destroyed, then exits
//   x_tool grab WINDOW FILE    saves a PNG of the window with its frame, waiting (up to 10 s)
//                              for a moment when red text is visible in it
//   x_tool startup             prints "ready <the X server's time>", then the first
//                              startup-notification message sent to the root window, and exits
//   x_tool smallest            shows a window of 1 x 1 pixels and prints the size "width height"
//                              the window manager gives it: the smallest it allows
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "x_frame.h"

namespace {

using kebo::test::clientGeometry;
using kebo::test::frameGeometry;
using kebo::test::frameOf;
using kebo::test::rootOf;
using kebo::test::xReply;

struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};
using Connection = std::unique_ptr<xcb_connection_t, Disconnect>;

int fail(const char* message) {
    std::fprintf(stderr, "x_tool: %s\n", message);
    return 2;
}

xcb_atom_t atom(xcb_connection_t* c, std::string_view name) {
    auto r = xReply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.data()), nullptr));
    return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

int printFrame(xcb_connection_t* c, xcb_window_t window) {
    const auto frame = frameGeometry(c, window);
    const auto client = clientGeometry(c, window);
    if (!frame || !client) {
        return fail("no such window");
    }
    std::printf("%d %d %d %d %d %d %d %d\n", frame->x, frame->y, frame->width, frame->height,
                client->x, client->y, client->width, client->height);
    return 0;
}

int watch(xcb_connection_t* c, xcb_window_t window) {
    const auto start = std::chrono::steady_clock::now();
    const auto stamp = [start] {
        return static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now() - start)
                                          .count());
    };
    const xcb_window_t frame = frameOf(c, window);
    const xcb_window_t root = rootOf(c);
    const std::uint32_t structure = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &structure);
    // The frame's changes, once each, as the root's children's; a minimise request is a client
    // message to the root, seen by every client listening there with the mask it was sent with
    // (Qt: structure notify; others: substructure notify).
    const std::uint32_t rootMask =
        XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootMask);
    // Qt uses the KDE variant when the window manager announces it.
    const xcb_atom_t changeState = atom(c, "WM_CHANGE_STATE");
    const xcb_atom_t kdeChangeState = atom(c, "_KDE_WM_CHANGE_STATE");
    std::printf("0 ready\n");
    std::fflush(stdout);
    while (auto* raw = xcb_wait_for_event(c)) {
        auto event = xReply(raw);
        switch (event->response_type & 0x7F) {
            case XCB_CONFIGURE_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_configure_notify_event_t*>(event.get());
                // The outer geometry as it is after the change: a window manager may resize the
                // window inside the frame a moment after it moved the frame.
                const auto outer = e->window == frame && e->event == root ? frameGeometry(c, window)
                                                                          : std::nullopt;
                if (outer) {
                    std::printf("%lld frame %d %d %d %d\n", stamp(), outer->x, outer->y,
                                outer->width, outer->height);
                }
                break;
            }
            case XCB_CLIENT_MESSAGE: {
                const auto* e = reinterpret_cast<xcb_client_message_event_t*>(event.get());
                constexpr std::uint32_t kIconicState = 3;
                if (e->window == window && (e->type == changeState || e->type == kdeChangeState) &&
                    e->data.data32[0] == kIconicState) {
                    std::printf("%lld iconify\n", stamp());
                }
                break;
            }
            case XCB_DESTROY_NOTIFY:
                if (reinterpret_cast<xcb_destroy_notify_event_t*>(event.get())->window == window) {
                    std::printf("%lld gone\n", stamp());
                    return 0;
                }
                break;
            default:
                break;
        }
        std::fflush(stdout);
    }
    return fail("the X connection broke");
}

// A launcher sends a startup message to the root window in pieces of 20 bytes, the first as
// _NET_STARTUP_INFO_BEGIN, the rest as _NET_STARTUP_INFO; a zero byte ends it.
int startup(xcb_connection_t* c) {
    const xcb_window_t root = rootOf(c);
    const std::uint32_t propertyChanges = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &propertyChanges);
    // The X server's time now comes with the notice of a change of a property.
    const xcb_atom_t clock = atom(c, "KEBO_TEST_CLOCK");
    xcb_change_property(c, XCB_PROP_MODE_APPEND, root, clock, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(c);
    const xcb_atom_t begin = atom(c, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(c, "_NET_STARTUP_INFO");
    std::string message;
    while (auto* raw = xcb_wait_for_event(c)) {
        auto event = xReply(raw);
        const auto* property = reinterpret_cast<xcb_property_notify_event_t*>(event.get());
        const auto* client = reinterpret_cast<xcb_client_message_event_t*>(event.get());
        if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY && property->atom == clock) {
            std::printf("ready %u\n", property->time);
            std::fflush(stdout);
        } else if ((event->response_type & 0x7F) == XCB_CLIENT_MESSAGE &&
                   (client->type == begin || client->type == more)) {
            if (client->type == begin) {
                message.clear();
            }
            const auto* piece = reinterpret_cast<const char*>(client->data.data8);
            const std::size_t length = strnlen(piece, 20);
            message.append(piece, length);
            if (length < 20) {
                std::printf("%s\n", message.c_str());
                return 0;
            }
        }
    }
    return fail("the X connection broke");
}

int smallest(xcb_connection_t* c) {
    const xcb_window_t window = xcb_generate_id(c);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 100, 100, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    xcb_map_window(c, window);
    xcb_flush(c);
    // Framed and shown, then a moment for the manager's own constraints.
    for (int i = 0; i < 500; ++i) {
        auto a = xReply(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
        if (a && a->map_state == XCB_MAP_STATE_VIEWABLE) {
            QThread::msleep(200);
            const auto client = clientGeometry(c, window);
            if (!client) {
                break;
            }
            std::printf("%d %d\n", client->width, client->height);
            return 0;
        }
        QThread::msleep(10);
    }
    return fail("the window manager did not show the window");
}

int countPureRed(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            // Anti-aliased glyphs have few pixels of the exact colour.
            const QRgb pixel = image.pixel(x, y);
            count += qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60 ? 1 : 0;
        }
    }
    return count;
}

int grab(int argc, char** argv, xcb_connection_t* c, xcb_window_t window, const char* file) {
    const QGuiApplication app(argc, argv);
    constexpr int kEnoughRedPixels = 100;
    QImage image;
    for (int attempt = 0; attempt < 200; ++attempt) {
        const auto r = frameGeometry(c, window);
        if (!r) {
            return fail("no such window");
        }
        image = QGuiApplication::primaryScreen()
                    ->grabWindow(0, r->x, r->y, r->width, r->height)
                    .toImage();
        if (countPureRed(image) >= kEnoughRedPixels) {
            return image.save(file) ? 0 : fail("cannot write the picture");
        }
        QThread::msleep(50);
    }
    image.save(file);
    return fail("no red text appeared in the window (the last picture is saved)");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (argc < 3 && command != "startup" && command != "smallest") {
        return fail("usage: x_tool frame|watch|grab WINDOW [FILE], x_tool startup|smallest");
    }
    const Connection connection(xcb_connect(nullptr, nullptr));
    xcb_connection_t* c = connection.get();
    if (xcb_connection_has_error(c) != 0) {
        return fail("cannot open the display");
    }
    if (command == "startup") {
        return startup(c);
    }
    if (command == "smallest") {
        return smallest(c);
    }
    const auto window = static_cast<xcb_window_t>(std::stoul(argv[2], nullptr, 0));
    if (command == "frame") {
        return printFrame(c, window);
    }
    if (command == "watch") {
        return watch(c, window);
    }
    if (command == "grab" && argc == 4) {
        return grab(argc, argv, c, window, argv[3]);
    }
    return fail("unknown command");
}

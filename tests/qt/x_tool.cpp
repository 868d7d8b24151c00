// What the end-to-end script and tools/bench need from the X server that xdotool does not offer:
//   x_tool frame WINDOW        prints the outer geometry "x y width height" in pixels (the window
//                              with the frame its manager announces), then the window's own
//                              "x y width height" inside it
//   x_tool watch WINDOW        prints "<ms> configure X Y W H" at every configuration of the
//                              window manager's frame window, as the X server tells it (the frame
//                              window itself, borders that only catch the pointer included), then
//                              "<ms> frame X Y W H", the outer geometry as it is then,
//                              "<ms> offers ACTION" when the manager offers the user to resize or
//                              maximise the window (_NET_WM_ALLOWED_ACTIONS),
//                              "<ms> unmap OTHER" when another top-level window is unmapped (a box
//                              is closed), "<ms> iconify" when the window asks to be minimised,
//                              "<ms> gone" when it is destroyed, then exits
//   x_tool launch PROGRAM [ARGUMENT...]
//                              starts the program and prints "<ms> pid PID", then
//                              "<ms> map FRAME X Y W H" when its first window is mapped (the frame,
//                              under a window manager), from then on as watch does for that frame,
//                              and "<ms> exit STATUS" once the program has ended, then exits
//   x_tool grab WINDOW FILE    saves a PNG of the window with its frame, waiting (up to 10 s)
//                              for a moment when red text is visible in it
//   x_tool title WINDOW FILE [LIKE]
//                              saves a PNG of the frame above the window: its title bar; with
//                              LIKE, fails (status 1) unless it looks as the picture LIKE does
//   x_tool startup SECONDS     prints "ready <the X server's time>", then the first
//                              startup-notification message sent to the root window, and exits;
//                              fails when none comes within SECONDS
//   x_tool smallest            shows a window of a fixed 1 x 1 pixels and prints the size
//                              "width height" the window manager gives it: the smallest it allows
//   x_tool panel top|left SIZE a desktop's panel: a dock window along that edge of the screen,
//                              SIZE pixels thick, that keeps the room from other windows; until
//                              ended
// A wait that has not ended by its deadline fails with "FAIL: x_tool waited N s for WHAT", as the
// scripts' wait_for does (tests/lib/wait.sh).
// <ms> is the system clock in milliseconds since 1970, the clock of bash's EPOCHREALTIME, so that
// a script can put its own moments beside these.
#include <xcb/xcb.h>

#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "x_frame.h"

namespace {

using kebo::test::atom;
using kebo::test::clientGeometry;
using kebo::test::frameGeometry;
using kebo::test::frameOf;
using kebo::test::rootOf;
using kebo::test::roundTrip;
using kebo::test::XRect;
using kebo::test::xReply;

struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};
using Connection = std::unique_ptr<xcb_connection_t, Disconnect>;

int fail(const char* message) {
    std::fprintf(stderr, "x_tool: %s\n", message);
    return 2;
}

// Tries `done` every 10 ms until it is true; false, with a FAIL line, after `seconds`.
template <typename Done>
bool waitFor(int seconds, const char* what, Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            std::fprintf(stderr, "FAIL: x_tool waited %d s for %s\n", seconds, what);
            return false;
        }
        QThread::msleep(10);
    }
    return true;
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

double nowMs() {
    return std::chrono::duration<double, std::milli>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// What watch and launch follow until it ends: a window's frame (the first top-level window mapped
// when none is given), the window's minimise request, and the end of the window or of a process.
struct Followed {
    xcb_window_t frame = XCB_WINDOW_NONE;
    xcb_window_t window = XCB_WINDOW_NONE;
    pid_t process = -1;
};

struct Atoms {
    xcb_atom_t changeState;
    // Qt uses the KDE variant when the window manager announces it.
    xcb_atom_t kdeChangeState;
    xcb_atom_t allowedActions;
    // What the user must not be offered for a window of a fixed size, and their names.
    std::array<std::pair<xcb_atom_t, const char*>, 3> sizeActions;
};

// Prints each of the size actions that the manager offers for `window` now.
void printSizeActions(xcb_connection_t* c, const Atoms& atoms, xcb_window_t window) {
    auto p = xReply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atoms.allowedActions, XCB_ATOM_ATOM, 0, 64), nullptr));
    if (!p || p->format != 32) {
        return;
    }
    const auto* offered = static_cast<const xcb_atom_t*>(xcb_get_property_value(p.get()));
    const auto* end = offered + xcb_get_property_value_length(p.get()) / 4;
    for (const auto& [action, name] : atoms.sizeActions) {
        if (std::find(offered, end, action) != end) {
            std::printf("%.1f offers %s\n", nowMs(), name);
        }
    }
}

// Prints what happened to `followed` in one event; true when it has ended.
bool report(xcb_connection_t* c, const Atoms& atoms, const xcb_generic_event_t& event,
            Followed& followed) {
    const xcb_window_t root = rootOf(c);
    switch (event.response_type & 0x7F) {
        case XCB_MAP_NOTIFY: {
            const auto& e = reinterpret_cast<const xcb_map_notify_event_t&>(event);
            if (followed.frame == XCB_WINDOW_NONE && e.event == root && e.override_redirect == 0) {
                followed.frame = e.window;
                const double at = nowMs();
                const auto frame = frameGeometry(c, e.window).value_or(XRect{});
                std::printf("%.1f map 0x%x %d %d %d %d\n", at, e.window, frame.x, frame.y,
                            frame.width, frame.height);
            }
            return false;
        }
        case XCB_UNMAP_NOTIFY: {
            const auto& e = reinterpret_cast<const xcb_unmap_notify_event_t&>(event);
            if (followed.frame != XCB_WINDOW_NONE && e.event == root &&
                e.window != followed.frame) {
                std::printf("%.1f unmap 0x%x\n", nowMs(), e.window);
            }
            return false;
        }
        case XCB_CONFIGURE_NOTIFY: {
            const auto& e = reinterpret_cast<const xcb_configure_notify_event_t&>(event);
            if (e.event == root && e.window == followed.frame) {
                std::printf("%.1f configure %d %d %d %d\n", nowMs(), e.x, e.y,
                            e.width + 2 * e.border_width, e.height + 2 * e.border_width);
                // Of a known window, as it is after the change: the frame window of some
                // managers reaches beyond the frame that is drawn, and a manager may resize the
                // window inside the frame a moment after it moved the frame.
                const auto outer = followed.window != XCB_WINDOW_NONE
                                       ? frameGeometry(c, followed.window)
                                       : std::nullopt;
                const XRect r = outer.value_or(
                    XRect{e.x, e.y, e.width + 2 * e.border_width, e.height + 2 * e.border_width});
                std::printf("%.1f frame %d %d %d %d\n", nowMs(), r.x, r.y, r.width, r.height);
            }
            return false;
        }
        case XCB_PROPERTY_NOTIFY: {
            const auto& e = reinterpret_cast<const xcb_property_notify_event_t&>(event);
            if (e.window == followed.window && e.atom == atoms.allowedActions) {
                printSizeActions(c, atoms, e.window);
            }
            return false;
        }
        case XCB_CLIENT_MESSAGE: {
            const auto& e = reinterpret_cast<const xcb_client_message_event_t&>(event);
            constexpr std::uint32_t kIconicState = 3;
            if ((followed.window == XCB_WINDOW_NONE || e.window == followed.window) &&
                (e.type == atoms.changeState || e.type == atoms.kdeChangeState) &&
                e.data.data32[0] == kIconicState) {
                std::printf("%.1f iconify\n", nowMs());
            }
            return false;
        }
        case XCB_DESTROY_NOTIFY: {
            const auto& e = reinterpret_cast<const xcb_destroy_notify_event_t&>(event);
            if (followed.window != XCB_WINDOW_NONE && e.window == followed.window) {
                std::printf("%.1f gone\n", nowMs());
                return true;
            }
            return false;
        }
        default:
            return false;
    }
}

int follow(xcb_connection_t* c, Followed followed) {
    const Atoms atoms{atom(c, "WM_CHANGE_STATE"),
                      atom(c, "_KDE_WM_CHANGE_STATE"),
                      atom(c, "_NET_WM_ALLOWED_ACTIONS"),
                      {{{atom(c, "_NET_WM_ACTION_RESIZE"), "resize"},
                        {atom(c, "_NET_WM_ACTION_MAXIMIZE_HORZ"), "maximise"},
                        {atom(c, "_NET_WM_ACTION_MAXIMIZE_VERT"), "maximise"}}}};
    // (Debian 12's C library declares pidfd_open for C only.)
    const int processEnd =
        followed.process > 0 ? static_cast<int>(syscall(SYS_pidfd_open, followed.process, 0)) : -1;
    pollfd waits[] = {{xcb_get_file_descriptor(c), POLLIN, 0}, {processEnd, POLLIN, 0}};
    while (true) {
        while (auto event = xReply(xcb_poll_for_event(c))) {
            const bool ended = report(c, atoms, *event, followed);
            std::fflush(stdout);
            if (ended) {
                return 0;
            }
        }
        if (xcb_connection_has_error(c) != 0) {
            return fail("the X connection broke");
        }
        poll(waits, processEnd >= 0 ? 2 : 1, -1);
        if ((waits[1].revents & POLLIN) != 0) {
            int status = 0;
            waitpid(followed.process, &status, 0);
            std::printf("%.1f exit %d\n", nowMs(),
                        WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
            return 0;
        }
    }
}

// The frames are the root's children: a client listening on the root hears of their changes. A
// minimise request is a client message to the root, seen by every client listening there with
// the mask it was sent with (Qt: structure notify; others: substructure notify).
void listenOnTheRoot(xcb_connection_t* c) {
    const std::uint32_t rootMask =
        XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, rootOf(c), XCB_CW_EVENT_MASK, &rootMask);
    // The server listens by the round trip's reply.
    roundTrip(c);
}

int watch(xcb_connection_t* c, xcb_window_t window) {
    const std::uint32_t structure =
        XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &structure);
    listenOnTheRoot(c);
    std::printf("%.1f ready\n", nowMs());
    std::fflush(stdout);
    return follow(c, {frameOf(c, window), window, -1});
}

int launch(xcb_connection_t* c, char** command) {
    listenOnTheRoot(c);
    const double start = nowMs();
    pid_t process = -1;
    if (posix_spawnp(&process, command[0], nullptr, nullptr, command, environ) != 0) {
        return fail("cannot start the program");
    }
    std::printf("%.1f pid %d\n", start, process);
    std::fflush(stdout);
    return follow(c, {XCB_WINDOW_NONE, XCB_WINDOW_NONE, process});
}

// A launcher sends a startup message to the root window in pieces of 20 bytes, the first as
// _NET_STARTUP_INFO_BEGIN, the rest as _NET_STARTUP_INFO; a zero byte ends it.
int startup(xcb_connection_t* c, int seconds) {
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
    bool ended = false;
    const bool came = waitFor(seconds, "a startup message to the root window", [&] {
        for (auto event = xReply(xcb_poll_for_event(c)); event && !ended;
             event = xReply(xcb_poll_for_event(c))) {
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
                message.append(piece, strnlen(piece, 20));
                ended = strnlen(piece, 20) < 20;
            }
        }
        return ended || xcb_connection_has_error(c) != 0;
    });
    if (ended) {
        std::printf("%s\n", message.c_str());
    }
    return !came ? 2 : ended ? 0 : fail("the X connection broke");
}

int smallest(xcb_connection_t* c) {
    const xcb_window_t window = xcb_generate_id(c);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    // Painted: a Wayland compositor manages an XWayland window once it has content.
    const std::uint32_t background = screen->white_pixel;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 100, 100, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL,
                      &background);
    // Of a fixed size, as kebo's window: a tiling manager floats it.
    std::array<std::uint32_t, 18> hints{};
    hints[0] = 16 | 32;  // a minimum and a maximum size (WM_SIZE_HINTS, ICCCM 4.1.2.3)
    std::fill_n(hints.begin() + 5, 4, 1);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, hints.size(), hints.data());
    xcb_map_window(c, window);
    xcb_flush(c);
    const bool shown = waitFor(5, "the window manager to show a window", [&] {
        auto a = xReply(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
        return a && a->map_state == XCB_MAP_STATE_VIEWABLE;
    });
    // Framed and shown, then a moment for the manager's own constraints.
    QThread::msleep(200);
    const auto client = clientGeometry(c, window);
    if (!shown || !client) {
        return fail("no window of the smallest size");
    }
    std::printf("%d %d\n", client->width, client->height);
    return 0;
}

// A dock along the top or the left edge of the screen, `size` pixels thick, that keeps that
// room from other windows (_NET_WM_STRUT_PARTIAL), as a desktop's panel does: until ended.
int panel(xcb_connection_t* c, std::string_view edge, int size) {
    const bool top = edge == "top";
    if ((!top && edge != "left") || size <= 0) {
        return fail("usage: x_tool panel top|left SIZE");
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const auto thickness = static_cast<std::uint16_t>(size);
    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0,
                      top ? screen->width_in_pixels : thickness,
                      top ? thickness : screen->height_in_pixels, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen->root_visual, 0, nullptr);
    const xcb_atom_t dock = atom(c, "_NET_WM_WINDOW_TYPE_DOCK");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atom(c, "_NET_WM_WINDOW_TYPE"),
                        XCB_ATOM_ATOM, 32, 1, &dock);
    // Left, right, top, bottom, then where each runs along its edge.
    std::array<std::uint32_t, 12> strut{};
    if (top) {
        strut[2] = thickness;
        strut[9] = screen->width_in_pixels - 1U;
    } else {
        strut[0] = thickness;
        strut[5] = screen->height_in_pixels - 1U;
    }
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atom(c, "_NET_WM_STRUT_PARTIAL"),
                        XCB_ATOM_CARDINAL, 32, strut.size(), strut.data());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atom(c, "_NET_WM_STRUT"),
                        XCB_ATOM_CARDINAL, 32, 4, strut.data());
    xcb_map_window(c, window);
    xcb_flush(c);
    // The connection is the panel: it holds until the process is ended.
    while (xReply(xcb_wait_for_event(c))) {
    }
    return 0;
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

// A picture of the window with its frame, or of the frame above the window only.
QImage picture(xcb_connection_t* c, xcb_window_t window, bool titleOnly) {
    const auto r = frameGeometry(c, window);
    const auto client = clientGeometry(c, window);
    if (!r || !client) {
        return {};
    }
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, r->x, r->y, r->width, titleOnly ? client->y - r->y : r->height)
        .toImage();
}

// The same size, and no colour of any pixel more than a few levels off: a compositing manager
// blends the anti-aliased corners of its frame with the desktop behind them a level lighter or
// darker from one drawing to the next.
bool alike(const QImage& a, const QImage& b) {
    constexpr int kLevels = 8;
    if (a.size() != b.size()) {
        return false;
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > kLevels ||
                std::abs(qGreen(p) - qGreen(q)) > kLevels ||
                std::abs(qBlue(p) - qBlue(q)) > kLevels) {
                return false;
            }
        }
    }
    return true;
}

int grab(xcb_connection_t* c, xcb_window_t window, const char* file) {
    constexpr int kEnoughRedPixels = 100;
    QImage image;
    const bool red = waitFor(10, "red text in the window", [&] {
        image = picture(c, window, false);
        return !image.isNull() && countPureRed(image) >= kEnoughRedPixels;
    });
    return image.save(file) && red ? 0 : fail("no picture with red text (the last one is saved)");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (argc < 3 && command != "smallest") {
        return fail(
            "usage: x_tool frame|watch WINDOW, x_tool grab WINDOW FILE, x_tool title WINDOW FILE "
            "[LIKE], x_tool launch PROGRAM [ARGUMENT...], x_tool startup SECONDS, x_tool "
            "smallest, x_tool panel top|left SIZE");
    }
    const Connection connection(xcb_connect(nullptr, nullptr));
    xcb_connection_t* c = connection.get();
    if (xcb_connection_has_error(c) != 0) {
        return fail("cannot open the display");
    }
    if (command == "startup") {
        return startup(c, std::atoi(argv[2]));
    }
    if (command == "smallest") {
        return smallest(c);
    }
    if (command == "panel" && argc == 4) {
        return panel(c, argv[2], std::atoi(argv[3]));
    }
    if (command == "launch") {
        return launch(c, argv + 2);
    }
    const auto window = static_cast<xcb_window_t>(std::stoul(argv[2], nullptr, 0));
    if (command == "frame") {
        return printFrame(c, window);
    }
    if (command == "watch") {
        return watch(c, window);
    }
    if ((command == "grab" && argc == 4) || (command == "title" && (argc == 4 || argc == 5))) {
        const QGuiApplication app(argc, argv);
        if (command == "grab") {
            return grab(c, window, argv[3]);
        }
        const QImage image = picture(c, window, true);
        if (image.isNull() || !image.save(argv[3])) {
            return fail("no picture of the title bar");
        }
        return argc == 4 || alike(image, QImage(argv[4])) ? 0 : 1;
    }
    return fail("unknown command");
}

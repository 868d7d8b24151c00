#include "platform/qt/startup_notification.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

// After Qt: Xlib's macros (Bool, Status) break Qt's headers.
#include <X11/Xlib.h>
// libstartup-notification has kept this API since 2002; the guard only asks for the promise.
#define SN_API_NOT_YET_FROZEN 1
#include <libsn/sn.h>

namespace kebo::qt {

namespace {

// The X server's time now, got the ICCCM way: the notice of a zero-length append to a property
// carries it. Dated so, the start counts as later than the user's last key press or click in any
// of the program's windows (the answer that led to it, a moment ago), which the window manager
// compares it with. The user's time of another window would not do: the last answer was given in
// a message box, and KDE compares with the latest time of all the program's windows.
xcb_timestamp_t serverTime(xcb_connection_t* connection) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_window_t window = xcb_generate_id(connection);
    const std::uint32_t propertyChanges = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &propertyChanges);
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
                        8, 0, nullptr);
    xcb_flush(connection);
    // The notice comes, or an error (type 0) when the window could not be made.
    xcb_timestamp_t time = XCB_CURRENT_TIME;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const std::uint8_t type = event->response_type & 0x7F;
        if (type == XCB_PROPERTY_NOTIFY) {
            time = reinterpret_cast<xcb_property_notify_event_t*>(event)->time;
        }
        std::free(event);
        if (type == XCB_PROPERTY_NOTIFY || type == 0) {
            break;
        }
    }
    xcb_destroy_window(connection, window);
    return time;
}

}  // namespace

StartupNotification::StartupNotification(std::string_view program) {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    auto* x11 =
        app != nullptr ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr) {
        return;
    }
    // A connection of its own to Qt's display, as the server's time comes as an event, which Qt
    // would take on its own connection. Its default screen is the one Qt opened.
    int screen = 0;
    connection_ =
        xcb_connect(x11->display() != nullptr ? DisplayString(x11->display()) : nullptr, &screen);
    if (xcb_connection_has_error(connection_) != 0) {
        return;
    }
    display_ = sn_xcb_display_new(connection_, nullptr, nullptr);
    context_ = sn_launcher_context_new(display_, screen);
    const std::string name(program);
    sn_launcher_context_set_name(context_, name.c_str());
    sn_launcher_context_set_binary_name(context_, name.c_str());
    sn_launcher_context_initiate(context_, "kebo", name.c_str(), serverTime(connection_));
    id_ = sn_launcher_context_get_startup_id(context_);
    xcb_flush(connection_);
}

StartupNotification::~StartupNotification() {
    if (context_ != nullptr) {
        // A round trip before the connection closes: the X server may see the hang-up before it
        // has read the messages sent just before, and drop them, leaving the desktop's busy
        // pointer waiting for a program that never came.
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        sn_launcher_context_unref(context_);
        sn_display_unref(display_);
    }
    if (connection_ != nullptr) {
        xcb_disconnect(connection_);
    }
}

void StartupNotification::cancel() {
    if (context_ != nullptr) {
        sn_launcher_context_complete(context_);
        xcb_flush(connection_);
    }
}

}  // namespace kebo::qt

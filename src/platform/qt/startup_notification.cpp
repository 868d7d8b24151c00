#include "platform/qt/startup_notification.h"

#include <qpa/qplatformnativeinterface.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QScreen>

// After Qt: it pulls in Xlib, whose macros (Bool, Status) break Qt's headers.
// libstartup-notification has kept this API since 2002; the guard only asks for the promise.
#define SN_API_NOT_YET_FROZEN 1
#include <libsn/sn.h>

namespace kebo::qt {

namespace {

// From the xcb platform plugin: the X screen number of the display's default screen.
int defaultScreenNumber() {
    return static_cast<int>(reinterpret_cast<quintptr>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("x11screen")));
}

// From the xcb platform plugin: the X server's time of the user's last key press or click in
// this program, the time the window manager compares with the focused window's
// _NET_WM_USER_TIME.
xcb_timestamp_t userTime() {
    return static_cast<xcb_timestamp_t>(reinterpret_cast<quintptr>(
        QGuiApplication::platformNativeInterface()->nativeResourceForScreen(
            "appusertime", QGuiApplication::primaryScreen())));
}

}  // namespace

StartupNotification::StartupNotification(std::string_view program) {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    auto* x11 =
        app != nullptr ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr) {
        return;
    }
    display_ = sn_xcb_display_new(x11->connection(), nullptr, nullptr);
    context_ = sn_launcher_context_new(display_, defaultScreenNumber());
    const std::string name(program);
    sn_launcher_context_set_name(context_, name.c_str());
    sn_launcher_context_set_binary_name(context_, name.c_str());
    sn_launcher_context_initiate(context_, "kebo", name.c_str(), userTime());
    id_ = sn_launcher_context_get_startup_id(context_);
    xcb_flush(x11->connection());
}

StartupNotification::~StartupNotification() {
    if (context_ != nullptr) {
        sn_launcher_context_unref(context_);
        sn_display_unref(display_);
    }
}

void StartupNotification::cancel() {
    if (context_ != nullptr) {
        sn_launcher_context_complete(context_);
        xcb_flush(sn_display_get_x_connection(display_));
    }
}

}  // namespace kebo::qt

#include "platform/qt/display.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace kebo::qt {

namespace {

// The variable's value; empty when it is not set.
std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool isSet(const char* name) {
    return !environment(name).empty();
}

bool xDisplayAnswers() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

bool cannotOpenX() {
    const std::string display(isSet("DISPLAY") ? environment("DISPLAY") : "(DISPLAY is not set)");
    std::fprintf(stderr, "kebo: cannot open the X display %s\n", display.c_str());
    return false;
}

}  // namespace

bool chooseDisplay() {
    if (isSet("QT_QPA_PLATFORM")) {
        // Qt aborts when its xcb platform finds no display; say why and leave plainly instead.
        return !environment("QT_QPA_PLATFORM").starts_with("xcb") || xDisplayAnswers() ||
               cannotOpenX();
    }
    if (isSet("DISPLAY")) {
        if (xDisplayAnswers()) {
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            return true;
        }
        if (isSet("WAYLAND_DISPLAY")) {
            return true;
        }
        return cannotOpenX();
    }
    if (isSet("WAYLAND_DISPLAY")) {
        return true;
    }
    std::fprintf(stderr, "kebo: no display to show the window on (DISPLAY is not set)\n");
    return false;
}

void flushDisplay() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (app == nullptr) {
        return;
    }
    if (auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_flush(x11->connection());
    }
}

}  // namespace kebo::qt

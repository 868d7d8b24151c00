#include "platform/qt/display.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <algorithm>
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

DisplayChoice cannotOpenX() {
    const std::string display(isSet("DISPLAY") ? environment("DISPLAY") : "(DISPLAY is not set)");
    std::fprintf(stderr, "kebo: cannot open the X display %s\n", display.c_str());
    return DisplayChoice::None;
}

// argv holds modifiable strings.
char platformOption[] = "-platform";
char xcbPlatform[] = "xcb";

}  // namespace

DisplayChoice chooseDisplay() {
    if (isSet("QT_QPA_PLATFORM")) {
        // Qt aborts when its xcb platform finds no display; say why and leave plainly instead.
        return !environment("QT_QPA_PLATFORM").starts_with("xcb") || xDisplayAnswers()
                   ? DisplayChoice::QtDefault
                   : cannotOpenX();
    }
    if (isSet("DISPLAY")) {
        if (xDisplayAnswers()) {
            return DisplayChoice::X11;
        }
        if (isSet("WAYLAND_DISPLAY")) {
            return DisplayChoice::QtDefault;
        }
        return cannotOpenX();
    }
    if (isSet("WAYLAND_DISPLAY")) {
        return DisplayChoice::QtDefault;
    }
    std::fprintf(stderr, "kebo: no display to show the window on (DISPLAY is not set)\n");
    return DisplayChoice::None;
}

ApplicationArguments::ApplicationArguments(int argc, char** argv, DisplayChoice display) {
    values_.assign(argv, argv + argc);
    if (display == DisplayChoice::X11) {
        // After the program's name.
        values_.insert(values_.begin() + std::min<std::ptrdiff_t>(argc, 1),
                       {platformOption, xcbPlatform});
    }
    count_ = static_cast<int>(values_.size());
    values_.push_back(nullptr);
}

xcb_connection_t* xConnection() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    auto* x11 =
        app != nullptr ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

void flushDisplay() {
    if (xcb_connection_t* c = xConnection()) {
        xcb_flush(c);
    }
}

}  // namespace kebo::qt

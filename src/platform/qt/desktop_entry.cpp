#include "platform/qt/desktop_entry.h"

#include <gio/gdesktopappinfo.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>

#include "platform/qt/startup_notification.h"

namespace kebo::qt {

namespace {

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

constexpr std::string_view kDesktopSuffix = ".desktop";

bool isKebo(GAppInfo* app) {
    const char* id = g_app_info_get_id(app);
    const char* executable = g_app_info_get_executable(app);
    return (id != nullptr && std::string_view(id) == KEBO_APP_ID ".desktop") ||
           (executable != nullptr && std::filesystem::path(executable).filename() == "kebo");
}

// D-Bus activation would start the program with the session bus's environment rather than the
// user's, without a startup id, and never tell of a failure: the entry is read again without it,
// so that GIO runs its Exec line.
GObjectPtr<GDesktopAppInfo> withoutDBusActivation(GObjectPtr<GDesktopAppInfo> app) {
    if (!g_desktop_app_info_get_boolean(app.get(), G_KEY_FILE_DESKTOP_KEY_DBUS_ACTIVATABLE)) {
        return app;
    }
    GKeyFile* entry = g_key_file_new();
    GObjectPtr<GDesktopAppInfo> spawned;
    if (g_key_file_load_from_file(entry, g_desktop_app_info_get_filename(app.get()),
                                  G_KEY_FILE_KEEP_TRANSLATIONS, nullptr) &&
        g_key_file_remove_key(entry, G_KEY_FILE_DESKTOP_GROUP,
                              G_KEY_FILE_DESKTOP_KEY_DBUS_ACTIVATABLE, nullptr)) {
        spawned.reset(g_desktop_app_info_new_from_keyfile(entry));
    }
    g_key_file_unref(entry);
    return spawned;
}

}  // namespace

bool isDesktopFileId(std::string_view name) {
    return name.size() > kDesktopSuffix.size() && name.ends_with(kDesktopSuffix);
}

std::optional<std::string> defaultTextEditor() {
    const GObjectPtr<GAppInfo> app(g_app_info_get_default_for_type("text/plain", FALSE));
    if (!app || isKebo(app.get()) || g_app_info_get_id(app.get()) == nullptr) {
        return std::nullopt;
    }
    return g_app_info_get_id(app.get());
}

std::optional<std::string> startDesktopEntry(std::string_view id) {
    const GObjectPtr<GDesktopAppInfo> app = withoutDBusActivation(
        GObjectPtr<GDesktopAppInfo>(g_desktop_app_info_new(std::string(id).c_str())));
    if (!app) {
        return std::strerror(ENOENT);
    }
    const GObjectPtr<GAppLaunchContext> context(g_app_launch_context_new());
    // GIO asks a launch context for a startup id exactly where the entry says StartupNotify=true;
    // the plain context has none to give, so kebo's own is set for the program here.
    std::optional<StartupNotification> startup;
    if (g_desktop_app_info_get_boolean(app.get(), G_KEY_FILE_DESKTOP_KEY_STARTUP_NOTIFY)) {
        startup.emplace(g_app_info_get_executable(G_APP_INFO(app.get())));
        if (!startup->id().empty()) {
            g_app_launch_context_setenv(context.get(), "DESKTOP_STARTUP_ID", startup->id().c_str());
        }
    }
    GError* error = nullptr;
    if (!g_app_info_launch(G_APP_INFO(app.get()), nullptr, context.get(), &error)) {
        if (startup) {
            startup->cancel();
        }
        std::string reason = error->message;
        g_error_free(error);
        return reason;
    }
    return std::nullopt;
}

}  // namespace kebo::qt

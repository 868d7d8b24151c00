#include "platform/qt/program_start.h"

#include <QProcess>
#include <cerrno>
#include <cstring>

#include "platform/qt/desktop_entry.h"
#include "platform/qt/program_search.h"
#include "platform/qt/startup_notification.h"

namespace kebo::qt {

namespace {

std::optional<std::string> startFromPath(std::string_view name, std::string_view searchPath) {
    const std::optional<std::string> path = findOnPath(name, searchPath);
    if (!path) {
        return std::strerror(ENOENT);
    }
    StartupNotification startup(name);
    QProcess process;
    process.setProgram(QString::fromStdString(*path));
    if (!startup.id().empty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DESKTOP_STARTUP_ID", QString::fromStdString(startup.id()));
        process.setProcessEnvironment(environment);
    }
    if (!process.startDetached()) {
        startup.cancel();
        return process.errorString().toStdString();
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> startProgram(std::string_view name, std::string_view searchPath) {
    if (!isDesktopFileId(name)) {
        return startFromPath(name, searchPath);
    }
    std::optional<std::string> failure = startDesktopEntry(name);
    if (failure) {
        if (const std::optional<std::string> editor = listedTextEditor(searchPath);
            editor && !startFromPath(*editor, searchPath)) {
            return std::nullopt;
        }
    }
    return failure;
}

}  // namespace kebo::qt

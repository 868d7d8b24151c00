#include "platform/qt/program_start.h"

#include <QProcess>
#include <cerrno>
#include <cstring>

#include "platform/qt/program_search.h"
#include "platform/qt/startup_notification.h"

namespace kebo::qt {

std::optional<std::string> startProgram(std::string_view name, std::string_view searchPath) {
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

}  // namespace kebo::qt

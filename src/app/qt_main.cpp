// kebo for Linux desktops: the launcher on Qt Widgets.
#include <QApplication>
#include <QIcon>
#include <QLocale>

#include "launcher/launcher.h"
#include "platform/qt/close_reasons.h"
#include "platform/qt/command_line.h"
#include "platform/qt/display.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/translations.h"

int main(int argc, char** argv) {
    // The name in --version and in the window's class (WM_CLASS, the desktop entry's
    // StartupWMClass), whatever the program file is called.
    QCoreApplication::setApplicationName("kebo");
    QCoreApplication::setApplicationVersion(KEBO_VERSION);
    // The desktop entry's name (the Wayland app id): the window is matched to its entry and shown
    // with its icon.
    QGuiApplication::setDesktopFileName(KEBO_APP_ID);
    kebo::qt::CommandLine commandLine;
    if (const auto status = commandLine.answerBeforeQt(argc, argv)) {
        return *status;
    }
    const kebo::qt::DisplayChoice display = kebo::qt::chooseDisplay();
    if (display == kebo::qt::DisplayChoice::None) {
        return 1;
    }
    kebo::qt::ApplicationArguments arguments(argc, argv, display);
    const QApplication app(arguments.count(), arguments.values());
    if (const auto status = commandLine.rejectLeftovers(QApplication::arguments())) {
        return *status;
    }
    QApplication::setWindowIcon(QIcon(":/kebo.ico"));
    kebo::qt::installQtTranslations(*QApplication::instance(), QLocale());

    kebo::qt::QtPlatform platform;
    kebo::Launcher launcher(platform);
    platform.attach(launcher);
    const kebo::qt::CloseReasons closeReasons([&launcher](kebo::CloseReason reason) {
        launcher.post(kebo::event::CloseRequested{reason});
    });

    launcher.start();
    return QApplication::exec();
}

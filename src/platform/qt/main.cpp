// kebo for Linux desktops: the launcher window on Qt Widgets.
#include <QApplication>
#include <QIcon>
#include <QLocale>

#include "launcher/window_events.h"
#include "platform/qt/close_reasons.h"
#include "platform/qt/display.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/translations.h"

int main(int argc, char** argv) {
    const kebo::qt::DisplayChoice display = kebo::qt::chooseDisplay();
    if (display == kebo::qt::DisplayChoice::None) {
        return 1;
    }
    kebo::qt::ApplicationArguments arguments(argc, argv, display);
    const QApplication app(arguments.count(), arguments.values());
    QApplication::setWindowIcon(QIcon(":/kebo.ico"));
    kebo::qt::installQtTranslations(*QApplication::instance(), QLocale());

    kebo::qt::QtPlatform platform;
    kebo::Form1 form(platform);
    kebo::WindowEvents events(form);
    platform.attach(events);
    const kebo::qt::CloseReasons closeReasons(
        [&events](std::int16_t reason) { events.closeRequest(reason); });

    events.start();
    return QApplication::exec();
}

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
    if (!kebo::qt::chooseDisplay()) {
        return 1;
    }
    const QApplication app(argc, argv);
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

// The yardstick for kebo's start and memory: the least a Qt Widgets program shows, a window with
// one push button, built with the same Qt and flags as kebo.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
    const QApplication app(argc, argv);
    QWidget window;
    const QPushButton button("OK", &window);
    window.show();
    return QApplication::exec();
}

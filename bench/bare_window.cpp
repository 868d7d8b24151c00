// The yardstick for kebo's start and memory: the least a Qt Widgets program shows that draws
// Japanese text as kebo does, a window with one push button and kebo's busy label
// 「立ち上げ中・・・」 in the Japanese font that kebo asks for it, built with the same Qt and flags
// as kebo.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QWidget>
#include <string_view>

#include "platform/launcher_description.h"

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

int main(int argc, char** argv) {
    const QApplication app(argc, argv);
    QWidget window;
    const QPushButton button("OK", &window);
    QLabel label(fromUtf8(kebo::window::kBusyLabelCaption), &window);
    // As kebo's label asks for it: a list, which fontconfig falls through to the nearest Japanese
    // proportional Gothic that is installed.
    QStringList families;
    for (const std::string_view family : kebo::window::kBusyLabelFont.families) {
        families << fromUtf8(family);
    }
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(kebo::window::kBusyLabelFont.points);
    label.setFont(font);
    label.move(0, button.sizeHint().height());
    label.adjustSize();
    window.resize(label.x() + label.width(), label.y() + label.height());
    window.show();
    return QApplication::exec();
}

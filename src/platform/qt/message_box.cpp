#include "platform/qt/message_box.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

namespace kebo::qt {

namespace {

QMessageBox::Icon iconFor(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Stop:
            return QMessageBox::Critical;
        case BoxIcon::Question:
            return QMessageBox::Question;
        case BoxIcon::Exclamation:
            return QMessageBox::Warning;
        case BoxIcon::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// QMessageBox takes No as the answer to Escape and to the window manager's close. A Yes/No box
// of Windows has no Cancel: Escape does nothing there and its close button is disabled. So the
// box offers no close button and leaves both unanswered.
class YesNoBox final : public QMessageBox {
public:
    YesNoBox(Icon icon, const QString& title, const QString& text, QWidget* parent)
        : QMessageBox(icon, title, text, Yes | No, parent) {
        // First: setting the modality sets the window flags anew.
        setWindowModality(Qt::WindowModal);
        // Without the customize hint the window manager is offered every button.
        setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                       ~Qt::WindowCloseButtonHint);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!event->matches(QKeySequence::Cancel)) {
            QMessageBox::keyPressEvent(event);
        }
    }
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Answer runMessageBox(QWidget* window, const Box& box) {
    const QString caption = fromUtf8(boxes::kCaption);
    if (box.buttons == Buttons::YesNo) {
        YesNoBox yesNo(iconFor(box.icon), caption, fromUtf8(box.text), window);
        yesNo.setDefaultButton(box.defaultAnswer == Answer::No ? QMessageBox::No
                                                               : QMessageBox::Yes);
        return yesNo.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    // Its only button is its answer to Escape and to the close as well.
    QMessageBox ok(iconFor(box.icon), caption, fromUtf8(box.text), QMessageBox::Ok, window);
    ok.setWindowModality(Qt::WindowModal);
    ok.setDefaultButton(QMessageBox::Ok);
    ok.exec();
    return Answer::Ok;
}

}  // namespace kebo::qt

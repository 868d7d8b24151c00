#include "platform/qt/message_box.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

#include "messages/message_catalogue.h"
#include "platform/platform.h"

namespace kebo::qt {

namespace {

QMessageBox::Icon iconFor(unsigned style) {
    switch (style & kStyleIconMask) {
        case kStyleIconStop:
            return QMessageBox::Critical;
        case kStyleIconQuestion:
            return QMessageBox::Question;
        case kStyleIconExclamation:
            return QMessageBox::Warning;
        case kStyleIconInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
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

int runMessageBox(QWidget* window, std::string_view text, std::string_view caption,
                  unsigned style) {
    if ((style & kStyleButtonsMask) == kStyleYesNo) {
        YesNoBox box(iconFor(style), fromUtf8(caption), fromUtf8(text), window);
        const bool secondIsDefault = (style & kStyleDefaultMask) == kStyleDefaultSecond;
        box.setDefaultButton(secondIsDefault ? QMessageBox::No : QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
    }
    // Its only button is its answer to Escape and to the close as well.
    QMessageBox box(iconFor(style), fromUtf8(caption), fromUtf8(text), QMessageBox::Ok, window);
    box.setWindowModality(Qt::WindowModal);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return kAnswerOk;
}

}  // namespace kebo::qt

#include "platform/qt/message_box.h"

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

}  // namespace

int runMessageBox(QWidget* window, std::string_view text, std::string_view caption,
                  unsigned style) {
    const bool yesNo = (style & kStyleButtonsMask) == kStyleYesNo;
    QMessageBox box(iconFor(style),
                    QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, window);
    box.setWindowModality(Qt::WindowModal);
    if (yesNo) {
        const bool secondIsDefault = (style & kStyleDefaultMask) == kStyleDefaultSecond;
        box.setDefaultButton(secondIsDefault ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setDefaultButton(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (!yesNo) {
        return kAnswerOk;
    }
    return answer == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
}

}  // namespace kebo::qt

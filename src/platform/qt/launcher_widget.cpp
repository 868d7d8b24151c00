#include "platform/qt/launcher_widget.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "platform/launcher_description.h"
#include "platform/twips.h"

namespace kebo::qt {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect pixelRect(const ControlRect& rect, double twipsPerPixel) {
    return {twipsToPixels(rect.left, twipsPerPixel), twipsToPixels(rect.top, twipsPerPixel),
            twipsToPixels(rect.width, twipsPerPixel), twipsToPixels(rect.height, twipsPerPixel)};
}

// Qt resolves a lone family name that is missing to a Latin font; a list lets fontconfig fall
// through to the nearest Japanese proportional Gothic that is installed.
QFont fontFor(const FontDescription& description) {
    QStringList families;
    for (const std::string_view family : description.families) {
        families << fromUtf8(family);
    }
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(description.points);
    return font;
}

// A fixed single border: a caption with minimise and close, no maximise.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace

LauncherWidget::LauncherWidget(double twipsPerPixel, std::function<void()> clicked,
                               std::function<void()> closeRequested)
    : QWidget(nullptr, kWindowFlags),
      closeRequested_(std::move(closeRequested)),
      openButton_(new QPushButton(fromUtf8(window::kOpenButtonCaption), this)),
      busyLabel_(new QLabel(fromUtf8(window::kBusyLabelCaption), this)),
      progressBar_(new QProgressBar(this)) {
    setWindowTitle(fromUtf8(window::kCaption));
    setWindowIcon(QIcon(":/kebo.ico"));
    setFixedSize(twipsToPixels(window::kInitialClientWidth, twipsPerPixel),
                 twipsToPixels(window::kInitialClientHeight, twipsPerPixel));

    // Placed by hand: a layout's minimum size would stop the window from shrinking to nothing.
    openButton_->setGeometry(pixelRect(window::kOpenButton, twipsPerPixel));
    connect(openButton_, &QPushButton::clicked, this,
            [clicked = std::move(clicked)] { clicked(); });
    // Enter presses the focused button as Space does, as on Windows; a button outside a dialog
    // would otherwise take only Space.
    openButton_->setAutoDefault(true);

    busyLabel_->setGeometry(pixelRect(window::kBusyLabel, twipsPerPixel));
    busyLabel_->setAlignment(Qt::AlignCenter);
    busyLabel_->setFont(fontFor(window::kBusyLabelFont));
    QPalette red = busyLabel_->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    busyLabel_->setPalette(red);
    busyLabel_->hide();

    progressBar_->setGeometry(pixelRect(window::kProgressBar, twipsPerPixel));
    progressBar_->setRange(0, window::kProgressMax);
    // A new QProgressBar holds -1 ("no value"); the bar's value starts at its minimum.
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    progressBar_->hide();
}

void LauncherWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    closeRequested_();
}

}  // namespace kebo::qt

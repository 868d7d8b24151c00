#include "platform/qt/launcher_widget.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "launcher/launcher_window.h"
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
QFont label1Font() {
    QFont font;
    font.setFamilies({fromUtf8(Form1::kLabel1FontFamily), "MS PGothic", "IPAPGothic", "VL PGothic",
                      "Noto Sans CJK JP", "Source Han Sans JP", "TakaoPGothic", "IPAGothic",
                      "VL Gothic"});
    font.setPointSizeF(Form1::kLabel1PointSize);
    return font;
}

// A fixed single border: a caption with minimise and close, no maximise. The fixed size set on
// every resize keeps the user from resizing it.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace

LauncherWidget::LauncherWidget(double twipsPerPixel, std::function<void()> clicked,
                               std::function<bool()> closeRequested)
    : QWidget(nullptr, kWindowFlags),
      closeRequested_(std::move(closeRequested)),
      command1_(new QPushButton(fromUtf8(Form1::kCommand1Caption), this)),
      label1_(new QLabel(fromUtf8(Form1::kLabel1Caption), this)),
      progressBar1_(new QProgressBar(this)) {
    setWindowTitle(fromUtf8(Form1::kCaption));
    setWindowIcon(QIcon(":/kebo.ico"));
    setFixedSize(twipsToPixels(Form1::kInitialClientWidth, twipsPerPixel),
                 twipsToPixels(Form1::kInitialClientHeight, twipsPerPixel));

    // Placed by hand: a layout's minimum size would stop the window from shrinking to nothing.
    command1_->setGeometry(pixelRect(Form1::kCommand1Rect, twipsPerPixel));
    connect(command1_, &QPushButton::clicked, this, [clicked = std::move(clicked)] { clicked(); });
    // Enter presses the focused button as Space does, as on Windows; a button outside a dialog
    // would otherwise take only Space.
    command1_->setAutoDefault(true);

    label1_->setGeometry(pixelRect(Form1::kLabel1Rect, twipsPerPixel));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setFont(label1Font());
    QPalette red = label1_->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label1_->setPalette(red);
    label1_->hide();

    progressBar1_->setGeometry(pixelRect(Form1::kProgressBar1Rect, twipsPerPixel));
    progressBar1_->setRange(0, Form1::kProgressBar1Max);
    // A new QProgressBar holds -1 ("no value"); the bar's value starts at its minimum.
    progressBar1_->setValue(0);
    progressBar1_->setTextVisible(false);
    progressBar1_->hide();
}

void LauncherWidget::closeEvent(QCloseEvent* event) {
    if (closeRequested_()) {
        event->ignore();
    } else {
        event->accept();
    }
}

}  // namespace kebo::qt

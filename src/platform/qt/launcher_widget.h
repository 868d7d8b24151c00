// The launcher window as Qt widgets: a top-level window with a fixed border holding the open
// button, the busy label and the progress bar at their places in twips. It shows what it is told
// and hands the click and the close request on.
#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace kebo::qt {

class LauncherWidget final : public QWidget {
public:
    // `twipsPerPixel` places the controls. The window never closes by itself: a close request is
    // handed on, and only the end of the program ends it.
    LauncherWidget(double twipsPerPixel, std::function<void()> clicked,
                   std::function<void()> closeRequested);

    QPushButton* openButton() const { return openButton_; }
    QLabel* busyLabel() const { return busyLabel_; }
    QProgressBar* progressBar() const { return progressBar_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> closeRequested_;
    QPushButton* openButton_;
    QLabel* busyLabel_;
    QProgressBar* progressBar_;
};

}  // namespace kebo::qt

// The launcher window as Qt widgets: a fixed-border top-level window holding Command1, Label1 and
// ProgressBar1 at their twips positions. It only shows what it is told and reports the click and
// the close request; the launcher logic decides everything.
#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace kebo::qt {

class LauncherWidget final : public QWidget {
public:
    // `twipsPerPixel` places the controls; `closeRequested` returns true to keep the window open.
    LauncherWidget(double twipsPerPixel, std::function<void()> clicked,
                   std::function<bool()> closeRequested);

    QPushButton* command1() const { return command1_; }
    QLabel* label1() const { return label1_; }
    QProgressBar* progressBar1() const { return progressBar1_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<bool()> closeRequested_;
    QPushButton* command1_;
    QLabel* label1_;
    QProgressBar* progressBar1_;
};

}  // namespace kebo::qt

// Finds the real message boxes among the application's top-level widgets, as a user sees them,
// records what each shows and answers it from a script.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kebo::test {

struct SeenBox {
    std::string text;
    std::string caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool modalToTheWindow = false;
};

// Answers with the Enter key instead of a click: the box's default button.
inline constexpr QMessageBox::StandardButton kPressEnter = QMessageBox::NoButton;
// Answers with the Escape key.
inline constexpr QMessageBox::StandardButton kPressEscape = QMessageBox::Escape;

struct Answer {
    // Implicit, so that a script can list bare buttons.
    Answer(QMessageBox::StandardButton button, int holdMs = 0, std::function<void()> whileOpen = {},
           std::function<void()> beforeAnswer = {})
        : button(button),
          holdMs(holdMs),
          whileOpen(std::move(whileOpen)),
          beforeAnswer(std::move(beforeAnswer)) {}

    QMessageBox::StandardButton button;
    // How long the box stays open before it is answered.
    int holdMs;
    // Called once while the box is open, right after it was seen.
    std::function<void()> whileOpen;
    // Called once right before the answer.
    std::function<void()> beforeAnswer;
};

inline std::vector<QMessageBox*> visibleBoxes() {
    std::vector<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
            boxes.push_back(box);
        }
    }
    return boxes;
}

class BoxAnswerer {
public:
    BoxAnswerer() {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this] { look(); });
        poll_.start();
    }

    void expect(Answer answer) { script_.push_back(std::move(answer)); }
    bool scriptDone() const { return script_.empty() && current_ == nullptr; }

    const std::vector<SeenBox>& seen() const { return seen_; }
    int mostOpenAtOnce() const { return mostOpenAtOnce_; }
    // Boxes that came when the script held no answer; they were answered with Enter.
    int unexpected() const { return unexpected_; }

private:
    void look() {
        const std::vector<QMessageBox*> boxes = visibleBoxes();
        mostOpenAtOnce_ = std::max(mostOpenAtOnce_, static_cast<int>(boxes.size()));
        if (current_ != nullptr && !current_->isVisible()) {
            current_ = nullptr;  // closed by something else than this script
        }
        if (current_ != nullptr) {
            if (held_.elapsed() >= answer_.holdMs) {
                answerCurrent();
            }
            return;
        }
        if (boxes.empty()) {
            return;
        }
        current_ = boxes.front();
        seen_.push_back(describe(*current_));
        if (script_.empty()) {
            ++unexpected_;
            answer_ = Answer(kPressEnter);
        } else {
            answer_ = std::move(script_.front());
            script_.pop_front();
        }
        held_.start();
        if (answer_.whileOpen) {
            answer_.whileOpen();
        }
    }

    void answerCurrent() {
        if (answer_.beforeAnswer) {
            answer_.beforeAnswer();
        }
        QMessageBox* box = current_;
        current_ = nullptr;
        if (answer_.button == kPressEnter) {
            QTest::keyClick(box, Qt::Key_Return);
        } else if (answer_.button == kPressEscape) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (QAbstractButton* button = box->button(answer_.button)) {
            button->click();
        }
    }

    static SeenBox describe(const QMessageBox& box) {
        SeenBox seen;
        seen.text = box.text().toStdString();
        seen.caption = box.windowTitle().toStdString();
        seen.icon = box.icon();
        seen.buttons = box.standardButtons();
        seen.defaultButton = box.defaultButton() != nullptr
                                 ? box.standardButton(box.defaultButton())
                                 : QMessageBox::NoButton;
        seen.modalToTheWindow = box.windowModality() != Qt::NonModal && box.parentWidget();
        return seen;
    }

    QTimer poll_;
    std::deque<Answer> script_;
    std::vector<SeenBox> seen_;
    QPointer<QMessageBox> current_;
    Answer answer_{kPressEnter};
    QElapsedTimer held_;
    int mostOpenAtOnce_ = 0;
    int unexpected_ = 0;
};

}  // namespace kebo::test

// Finds the real message boxes among the application's top-level widgets, as a user sees them,
// records each as the launcher's Box it shows and answers it from a script.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/launcher_description.h"

namespace kebo {

// Readable in a failure.
inline void PrintTo(const Box& box, std::ostream* out) {
    *out << '"' << box.text << "\" buttons " << static_cast<int>(box.buttons) << " icon "
         << static_cast<int>(box.icon) << " default " << static_cast<int>(box.defaultAnswer);
}

namespace test {

// The user's answer: a click on its button, or a key.
enum class Key { Enter, Escape };

// What the box waits for before it is answered.
struct Hold {
    std::string what;
    std::function<bool()> reached;
};

struct Reply {
    std::variant<Answer, Key> press;
    // Called once while the box is open, right after it was seen.
    std::function<void()> whileOpen = {};
    Hold hold = {};
    // Called once right before the answer.
    std::function<void()> beforeAnswer = {};
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
    // A box still held after this long fails the test, and is answered.
    static constexpr int kHoldDeadlineMs = 10'000;

    BoxAnswerer() {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this] { look(); });
        poll_.start();
    }

    void expect(Reply reply) { script_.push_back(std::move(reply)); }
    bool scriptDone() const { return script_.empty() && current_ == nullptr; }

    // What the boxes showed, in the launcher's words, while the answerer lives. Boxes that came
    // when the script held no answer are among them; they were answered with Enter.
    const std::vector<Box>& seen() const { return seen_; }
    int mostOpenAtOnce() const { return mostOpenAtOnce_; }

private:
    void look() {
        const std::vector<QMessageBox*> boxes = visibleBoxes();
        mostOpenAtOnce_ = std::max(mostOpenAtOnce_, static_cast<int>(boxes.size()));
        if (current_ != nullptr && !current_->isVisible()) {
            current_ = nullptr;  // closed by something else than this script
        }
        if (current_ != nullptr) {
            if (!reply_.hold.reached || reply_.hold.reached()) {
                answerCurrent();
            } else if (held_.elapsed() >= kHoldDeadlineMs) {
                ADD_FAILURE() << '"' << current_->text().toStdString() << "\" waited "
                              << kHoldDeadlineMs << " ms in vain for " << reply_.hold.what;
                answerCurrent();
            }
            return;
        }
        if (boxes.empty()) {
            return;
        }
        current_ = boxes.front();
        seen_.push_back(describe(*current_));
        reply_ = script_.empty() ? Reply{Key::Enter} : std::move(script_.front());
        if (!script_.empty()) {
            script_.pop_front();
        }
        held_.start();
        if (reply_.whileOpen) {
            reply_.whileOpen();
        }
    }

    static Answer answerOf(QMessageBox::StandardButton button) {
        return button == QMessageBox::Yes  ? Answer::Yes
               : button == QMessageBox::No ? Answer::No
                                           : Answer::Ok;
    }

    void answerCurrent() {
        if (reply_.beforeAnswer) {
            reply_.beforeAnswer();
        }
        QMessageBox* box = current_;
        current_ = nullptr;
        if (const auto* key = std::get_if<Key>(&reply_.press)) {
            QTest::keyClick(box, *key == Key::Enter ? Qt::Key_Return : Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            if (answerOf(box->standardButton(button)) == std::get<Answer>(reply_.press)) {
                return button->click();
            }
        }
        ADD_FAILURE() << "no such button on " << box->text().toStdString();
    }

    // Every box is modal to the launcher window and carries the application's title.
    Box describe(const QMessageBox& box) {
        const std::string& text = texts_.emplace_back(box.text().toStdString());
        EXPECT_EQ(box.windowTitle().toStdString(), boxes::kCaption) << text;
        EXPECT_TRUE(box.windowModality() != Qt::NonModal && box.parentWidget()) << text;
        const QMessageBox::StandardButtons buttons = box.standardButtons();
        EXPECT_TRUE(buttons == QMessageBox::Ok || buttons == (QMessageBox::Yes | QMessageBox::No))
            << text;
        const QMessageBox::Icon icon = box.icon();
        EXPECT_NE(icon, QMessageBox::NoIcon) << text;
        EXPECT_NE(box.defaultButton(), nullptr) << text;
        return {text, buttons == QMessageBox::Ok ? Buttons::Ok : Buttons::YesNo,
                icon == QMessageBox::Critical   ? BoxIcon::Stop
                : icon == QMessageBox::Question ? BoxIcon::Question
                : icon == QMessageBox::Warning  ? BoxIcon::Exclamation
                                                : BoxIcon::Information,
                answerOf(box.standardButton(box.defaultButton()))};
    }

    QTimer poll_;
    std::deque<Reply> script_;
    std::deque<std::string> texts_;
    std::vector<Box> seen_;
    QPointer<QMessageBox> current_;
    Reply reply_{Key::Enter};
    QElapsedTimer held_;
    int mostOpenAtOnce_ = 0;
};

}  // namespace test
}  // namespace kebo

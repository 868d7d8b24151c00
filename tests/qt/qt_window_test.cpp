// The launcher window on the real Qt backend, on an X display with a window manager.
#include <QtGui/private/qguiapplication_p.h>
#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>
#include <xcb/xcb.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "box_answerer.h"
#include "launcher_fixture.h"
#include "messages/message_catalogue.h"
#include "platform/qt/close_reasons.h"
#include "x_frame.h"

namespace kebo {
namespace {

using enum MessageId;
using test::Answer;
using test::BoxAnswerer;
using test::Launcher;
using test::SeenBox;
using Button = QMessageBox::StandardButton;

std::vector<MessageId> idsOf(const std::vector<SeenBox>& boxes) {
    std::vector<MessageId> ids;
    for (const SeenBox& box : boxes) {
        const auto id = messageIdForText(box.text);
        EXPECT_TRUE(id.has_value()) << "not in the catalogue: " << box.text;
        ids.push_back(id.value_or(MsgSeeYou));
    }
    return ids;
}

// Every box shows its catalogue entry as the style word asks.
void expectAsCatalogued(const std::vector<SeenBox>& boxes) {
    for (const SeenBox& box : boxes) {
        const auto id = messageIdForText(box.text);
        ASSERT_TRUE(id.has_value()) << box.text;
        const unsigned style = messageFor(*id).style;
        SCOPED_TRACE(box.text);
        EXPECT_EQ(box.caption, kMessageCaption);
        EXPECT_TRUE(box.modalToTheWindow);
        const QMessageBox::Icon icon =
            (style & kStyleIconMask) == kStyleIconStop          ? QMessageBox::Critical
            : (style & kStyleIconMask) == kStyleIconQuestion    ? QMessageBox::Question
            : (style & kStyleIconMask) == kStyleIconExclamation ? QMessageBox::Warning
                                                                : QMessageBox::Information;
        EXPECT_EQ(box.icon, icon);
        if ((style & kStyleButtonsMask) == kStyleYesNo) {
            EXPECT_EQ(box.buttons, QMessageBox::Yes | QMessageBox::No);
            EXPECT_EQ(box.defaultButton, (style & kStyleDefaultMask) == kStyleDefaultSecond
                                             ? QMessageBox::No
                                             : QMessageBox::Yes);
        } else {
            EXPECT_EQ(box.buttons, QMessageBox::Ok);
            EXPECT_EQ(box.defaultButton, QMessageBox::Ok);
        }
    }
}

// The window's running timer that ticks every `periodMs`.
QTimer* runningTimer(Launcher& launcher, int periodMs) {
    for (QTimer* timer : launcher.window().findChildren<QTimer*>()) {
        if (timer->isActive() && timer->interval() == periodMs) {
            return timer;
        }
    }
    return nullptr;
}

// The X connection Qt uses: what the X server has, whatever the backend believes.
xcb_connection_t* xConnection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

// The outer size as the launcher reads it, in twips.
QSize outerSize(Launcher& launcher) {
    return {launcher.platform.windowWidth(), launcher.platform.windowHeight()};
}

// Counts the ticks of a timer while it lives.
class TickCount {
public:
    explicit TickCount(QTimer* timer)
        : connection_(QObject::connect(timer, &QTimer::timeout, [this] { ++ticks_; })) {}
    TickCount(const TickCount&) = delete;
    TickCount& operator=(const TickCount&) = delete;
    ~TickCount() { QObject::disconnect(connection_); }
    int ticks() const { return ticks_; }

private:
    int ticks_ = 0;
    QMetaObject::Connection connection_;
};

// Asks the window manager to close the window, as its close button does; the click on that
// button makes the window active first, and Qt drops some close requests to inactive windows.
void windowManagerClose(QWidget& window) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_NE(x11, nullptr) << "needs the xcb platform";
    xcb_connection_t* c = x11->connection();
    const char name[] = "_NET_CLOSE_WINDOW";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
    ASSERT_NE(atom, nullptr);
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window.winId());
    event.type = atom->atom;
    event.data.data32[1] = 2;  // on behalf of the user
    std::free(atom);
    xcb_send_event(c, 0, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

TEST(QtWindow, OpensAsTheLauncherWindow) {
    test::FrameWatch frames;
    Launcher launcher;
    qt::LauncherWidget& window = launcher.window();
    // The opening's timer starts once the window is on the screen: its ticks are counted from
    // before, on each timer that repeats (only the opening's runs).
    std::vector<std::unique_ptr<TickCount>> counts;
    for (QTimer* timer : window.findChildren<QTimer*>()) {
        if (!timer->isSingleShot()) {
            counts.push_back(std::make_unique<TickCount>(timer));
        }
    }
    const auto ticks = [&counts] {
        int sum = 0;
        for (const auto& count : counts) {
            sum += count->ticks();
        }
        return sum;
    };
    launcher.events.start();
    // Asked for 1 ms, the opening ticks at the 10 ms floor.
    EXPECT_EQ(launcher.platform.timerInterval(Timer::Timer2), 1);
    ASSERT_TRUE(Launcher::waitFor([&] { return launcher.platform.windowOnScreen(); }, 10'000));
    EXPECT_NE(runningTimer(launcher, kShortestTimerPeriodMs), nullptr);
    ASSERT_TRUE(Launcher::waitFor(
        [&] { return launcher.platform.timerInterval(Timer::Timer2) == 0; }, 10'000));

    EXPECT_EQ(window.windowTitle(), QString("ポムリナ"));
    EXPECT_EQ(window.command1()->text(), QString("メモ帳を開く"));
    // At 96 DPI a pixel is 15 twips.
    EXPECT_EQ(launcher.platform.twipsPerPixel(), 15.0);
    EXPECT_EQ(window.command1()->geometry(), QRect(48, 32, 217, 41));
    EXPECT_FALSE(window.progressBar1()->isVisible());
    EXPECT_FALSE(window.label1()->isVisible());
    EXPECT_TRUE(launcher.isIdle());

    // Fixed single border: minimise and close, no maximise (as the window managers see it and
    // hold its size at rest: desktop.sh).
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(window.windowIcon().isNull());

    // As the X server has it: 4770 twips wide, frame included, in device pixels under a scale
    // factor.
    xcb_connection_t* c = xConnection();
    ASSERT_NE(c, nullptr);
    const auto xWindow = static_cast<xcb_window_t>(window.winId());
    const int scale = qRound(window.devicePixelRatioF());
    std::optional<test::XRect> frame;
    Launcher::waitFor(
        [&] { return (frame = test::frameGeometry(c, xWindow)) && frame->width == 318 * scale; },
        2000);
    const auto client = test::clientGeometry(c, xWindow);
    ASSERT_TRUE(frame && client);
    EXPECT_EQ(frame->width, 318 * scale);
    EXPECT_GT(frame->height, client->height) << "no frame from the manager";
    EXPECT_EQ(launcher.platform.windowWidth(), 4770);

    // Centred with its frame on the screen (no panel takes room here) and grown about that
    // centre, to within 4 logical pixels. Centres are doubled, in whole device pixels.
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const int driftX2 = frame->centreX2() - screen->width_in_pixels;
    const int driftY2 = frame->centreY2() - screen->height_in_pixels;
    EXPECT_LE(std::abs(driftX2), 8 * scale);
    EXPECT_LE(std::abs(driftY2), 8 * scale);

    // 47 ticks, about half a second at 10 ms. After the window manager's framing, each tick
    // changes the frame once, moved up and left and made larger at once (never in two steps), up
    // to its final geometry.
    EXPECT_EQ(ticks(), 47);
    std::vector<test::XRect> steps;
    for (const test::XRect& change : frames.changesOf(test::frameOf(c, xWindow))) {
        if (steps.empty() || change != steps.back()) {
            steps.push_back(change);
        }
    }
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back(), *frame);
    const auto grew = [](const test::XRect& a, const test::XRect& b) {
        return b.x < a.x && b.y < a.y && b.width > a.width && b.height > a.height;
    };
    int grown = 0;
    for (std::size_t i = steps.size() - 1; i > 0 && grew(steps[i - 1], steps[i]); --i) {
        ++grown;
    }
    EXPECT_EQ(grown, ticks());
    std::printf("opening: %dx%d px, centre off by %d,%d half pixels\n", frame->width, frame->height,
                driftX2, driftY2);

    // Label1: pure red, centred, 14.25 pt in a Japanese Gothic, not a Latin fallback.
    const QLabel& label = *window.label1();
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(label.alignment(), Qt::AlignCenter);
    const QFontInfo font(label.font());
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 14.25);
    EXPECT_TRUE(QFontDatabase::writingSystems(font.family()).contains(QFontDatabase::Japanese))
        << font.family().toStdString();
    std::printf("Label1 font: %s\n", font.family().toStdString().c_str());

    // The directory queries' own answers.
    EXPECT_EQ(launcher.form.state().windowsDir.substr(0, launcher.windowsDir.string().size() + 1),
              launcher.windowsDir.string() + '\0');
    EXPECT_EQ(launcher.form.state().systemDirLength,
              static_cast<std::int16_t>(launcher.systemDir.string().size()));
}

TEST(QtWindow, LaunchRunsThroughTheRealBoxesAndStartsTheEditor) {
    Launcher launcher;
    test::writeStub(launcher.bin / "gedit", launcher.dir.path() / "started");
    launcher.startOpened();
    qt::LauncherWidget& window = launcher.window();

    BoxAnswerer boxes;
    bool closedDuringTheBox = true;
    boxes.expect({Button::No, 300, [&] { closedDuringTheBox = window.close(); }});
    boxes.expect({Button::Ok});
    boxes.expect({Button::Ok});
    window.command1()->click();
    EXPECT_FALSE(closedDuringTheBox) << "a close request during a box was granted";
    EXPECT_TRUE(launcher.isWaiting());
    EXPECT_TRUE(window.label1()->isVisible());

    // A close request during the launch is refused without a box.
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());

    // The last question waits inside a tick of Timer1 (Qt fires no timer again inside its own
    // tick); nothing may move while it is open.
    LauncherState atTheQuestion;
    bool barFullAtTheQuestion = false;
    boxes.expect({Button::Yes, 800,
                  [&] {
                      atTheQuestion = launcher.form.state();
                      barFullAtTheQuestion = window.progressBar1()->value() == 10000;
                  },
                  [&] {
                      EXPECT_EQ(launcher.form.state().progress, atTheQuestion.progress);
                      EXPECT_EQ(launcher.form.state().tickCount, atTheQuestion.tickCount);
                      EXPECT_EQ(launcher.form.state().blinkCount, atTheQuestion.blinkCount);
                  }});

    // Watch the bar fill and the label blink until the launch is over.
    std::vector<int> values;
    int labelShown = 0;
    int labelHidden = 0;
    Launcher::waitFor(
        [&] {
            if (window.progressBar1()->isVisible()) {
                const int value = window.progressBar1()->value();
                if (values.empty() || values.back() != value) {
                    values.push_back(value);
                }
                (window.label1()->isVisible() ? labelShown : labelHidden)++;
            }
            return boxes.scriptDone() && launcher.isIdle();
        },
        test::kLongestLaunchMs);

    EXPECT_TRUE(boxes.scriptDone());
    EXPECT_EQ(idsOf(boxes.seen()),
              (std::vector{MsgAskOpen, MsgRefusalFailed, MsgPleaseWait, MsgReadyAskOpen}));
    expectAsCatalogued(boxes.seen());
    EXPECT_EQ(boxes.mostOpenAtOnce(), 1);
    EXPECT_EQ(boxes.unexpected(), 0);
    EXPECT_TRUE(barFullAtTheQuestion);
    EXPECT_GE(values.size(), 5U);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    EXPECT_GT(labelShown, 0);
    EXPECT_GT(labelHidden, 0);
    EXPECT_TRUE(launcher.isIdle());

    EXPECT_EQ(test::waitForMarker(launcher.dir.path() / "started", std::chrono::seconds(10)),
              (launcher.bin / "gedit").string());
}

TEST(QtWindow, NoAtTheEndStartsPaintFromTheSystemFolderOrSaysWhyNothingStarted) {
    Launcher launcher;
    launcher.startOpened();
    const auto launchAnsweringNo = [&launcher](std::vector<Answer> afterNo) {
        BoxAnswerer boxes;
        boxes.expect({Button::Yes});
        boxes.expect({Button::Ok});
        boxes.expect({Button::No});
        for (Answer& answer : afterNo) {
            boxes.expect(std::move(answer));
        }
        launcher.window().command1()->click();
        Launcher::waitFor([&] { return boxes.scriptDone() && launcher.isIdle(); },
                          test::kLongestLaunchMs);
        EXPECT_EQ(boxes.unexpected(), 0);
        EXPECT_TRUE(launcher.isIdle());
        return boxes.seen();
    };

    // No program at all: the fallback editor cannot start; a stop box and one line on stderr say
    // so with the system's reason, and the window is ready again.
    testing::internal::CaptureStderr();
    std::vector<SeenBox> seen = launchAnsweringNo({{Button::Ok}, {Button::Ok}, {Button::Ok}});
    const std::string reason = std::strerror(ENOENT);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "kebo: cannot start gnome-text-editor: " + reason + "\n");
    ASSERT_EQ(seen.size(), 6U);
    EXPECT_EQ(seen.back().text,
              "プログラム「gnome-text-editor」を起動できませんでした。\n理由：" + reason);
    EXPECT_EQ(seen.back().icon, QMessageBox::Critical);
    seen.pop_back();
    EXPECT_EQ(idsOf(seen), (std::vector{MsgAskOpen, MsgPleaseWait, MsgReadyAskOpen, MsgForcePaint,
                                        MsgPaintMissing}));
    expectAsCatalogued(seen);

    // Paint only in the system folder is found, and started by its bare name.
    test::writeStub(launcher.systemDir / "kolourpaint", launcher.dir.path() / "started");
    seen = launchAnsweringNo({{Button::Ok}});
    EXPECT_EQ(idsOf(seen),
              (std::vector{MsgAskOpen, MsgPleaseWait, MsgReadyAskOpen, MsgForcePaint}));
    expectAsCatalogued(seen);
    EXPECT_EQ(test::waitForMarker(launcher.dir.path() / "started", std::chrono::seconds(10)),
              (launcher.systemDir / "kolourpaint").string());
}

// As on Windows: Escape and the window manager's close leave a Yes/No box unanswered (it offers
// no close button), and answer an OK box.
TEST(QtWindow, EscapeAndCloseAnswerAnOkBoxButNotAYesNoBox) {
    Launcher launcher;
    launcher.startOpened();
    BoxAnswerer boxes;
    bool closeButtonOffered = true;
    bool refusedTheClose = false;
    boxes.expect({Button::Yes, 300, [&] {
                      QMessageBox* box = test::visibleBoxes().front();
                      closeButtonOffered = box->windowFlags().testFlag(Qt::WindowCloseButtonHint);
                      QTest::keyClick(box, Qt::Key_Escape);
                      refusedTheClose = !box->close();
                  }});
    boxes.expect({test::kPressEscape});
    launcher.window().command1()->click();
    EXPECT_TRUE(boxes.scriptDone());
    EXPECT_EQ(idsOf(boxes.seen()), (std::vector{MsgAskOpen, MsgPleaseWait}));
    EXPECT_FALSE(closeButtonOffered);
    EXPECT_TRUE(refusedTheClose);
    EXPECT_TRUE(launcher.isWaiting());
}

TEST(QtWindow, TicksDuringABoxAreDroppedNotQueued) {
    Launcher launcher;
    launcher.events.start();
    qt::LauncherWidget& window = launcher.window();
    // A click while the window still grows: the animation must wait for the answer.
    ASSERT_TRUE(Launcher::waitFor([&] { return launcher.platform.windowWidth() > 2000; }, 5000));
    ASSERT_NE(launcher.platform.timerInterval(Timer::Timer2), 0);
    QTimer* timer2 = runningTimer(launcher, timerPeriodMs(1));
    ASSERT_NE(timer2, nullptr);
    const TickCount ticks(timer2);
    BoxAnswerer boxes;
    QSize atTheQuestion;
    int ticksBeforeTheBox = 0;
    int ticksDuringTheBox = 0;
    boxes.expect({Button::Yes, 400,
                  [&] {
                      atTheQuestion = outerSize(launcher);
                      ticksBeforeTheBox = ticks.ticks();
                  },
                  [&] {
                      EXPECT_EQ(outerSize(launcher), atTheQuestion);
                      ticksDuringTheBox = ticks.ticks() - ticksBeforeTheBox;
                  }});
    boxes.expect({Button::Ok});
    window.command1()->click();
    EXPECT_EQ(idsOf(boxes.seen()), (std::vector{MsgAskOpen, MsgPleaseWait}));
    EXPECT_EQ(boxes.mostOpenAtOnce(), 1);
    EXPECT_GE(ticksDuringTheBox, 10) << "Qt delivered no ticks during the box";
    // After the box the animation goes on from where it stood and still ends at 4770.
    ASSERT_TRUE(Launcher::waitFor(
        [&] { return launcher.platform.timerInterval(Timer::Timer2) == 0; }, 10'000));
    EXPECT_EQ(launcher.platform.windowWidth(), 4770);
}

TEST(QtWindow, WindowManagerCloseRunsTheDialogue) {
    Launcher launcher;
    launcher.startOpened();
    BoxAnswerer boxes;
    // Enter at the first question keeps the window.
    boxes.expect({test::kPressEnter});
    windowManagerClose(launcher.window());
    ASSERT_TRUE(Launcher::waitFor([&] { return boxes.scriptDone(); }, 5000));
    EXPECT_EQ(idsOf(boxes.seen()), std::vector{MsgAskQuit});
    expectAsCatalogued(boxes.seen());
    QTest::qWait(200);
    EXPECT_TRUE(launcher.window().isVisible());
    EXPECT_FALSE(launcher.ending.ended);

    // Through to the farewell. A close request while the window shrinks asks again, and the
    // farewell holds still while the question is open.
    for (const Button answer : {Button::Yes, Button::Yes, Button::No, Button::No, Button::Yes}) {
        boxes.expect({answer});
    }
    boxes.expect({Button::Ok, 0, {}, [&] {
                      QTimer::singleShot(50, [&] { windowManagerClose(launcher.window()); });
                  }});
    std::unique_ptr<TickCount> timer3Ticks;
    QSize atTheQuestion;
    int ticksDuringTheBox = 0;
    boxes.expect({Button::Yes, 300,
                  [&] {
                      QTimer* timer3 = runningTimer(launcher, timerPeriodMs(1));
                      ASSERT_NE(timer3, nullptr) << "the farewell did not start";
                      timer3Ticks = std::make_unique<TickCount>(timer3);
                      atTheQuestion = outerSize(launcher);
                  },
                  [&] {
                      EXPECT_EQ(outerSize(launcher), atTheQuestion);
                      ticksDuringTheBox = timer3Ticks ? timer3Ticks->ticks() : 0;
                  }});
    for (const Button answer : {Button::Yes, Button::No, Button::No, Button::Yes, Button::Ok}) {
        boxes.expect({answer});
    }
    windowManagerClose(launcher.window());
    ASSERT_TRUE(Launcher::waitFor([&] { return launcher.ending.ended; }, 10'000));
    EXPECT_TRUE(boxes.scriptDone());
    const std::vector<MessageId> toTheFarewell{MsgAskQuit,        MsgAskQuitReally, MsgAskRelaunch,
                                               MsgAskCancelClose, MsgAskGoodbye,    MsgSeeYou};
    std::vector<MessageId> expected{MsgAskQuit};
    expected.insert(expected.end(), toTheFarewell.begin(), toTheFarewell.end());
    expected.insert(expected.end(), toTheFarewell.begin(), toTheFarewell.end());
    EXPECT_EQ(idsOf(boxes.seen()), expected);
    EXPECT_GE(ticksDuringTheBox, 10) << "Qt delivered no ticks during the box";
    EXPECT_LE(launcher.ending.widthTwips, 1700);
    // The last shrink reached the X server: 1670 twips, 111 or 112 px by where its edges fall.
    const auto xWindow = static_cast<xcb_window_t>(launcher.window().winId());
    std::optional<test::XRect> frame;
    EXPECT_TRUE(Launcher::waitFor(
        [&] {
            return (frame = test::frameGeometry(xConnection(), xWindow)) && frame->width <= 112;
        },
        2000))
        << (frame ? frame->width : 0);
    EXPECT_TRUE(launcher.ending.minimised);
    EXPECT_FALSE(launcher.ending.boxOpen);
}

TEST(QtWindow, SignalsEndAtOnceEvenDuringABox) {
    Launcher launcher;
    launcher.startOpened();
    std::vector<std::int16_t> reasons;
    {
        const qt::CloseReasons closeReasons([&](std::int16_t r) { reasons.push_back(r); });
        for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
            std::raise(signal);
        }
        // Nothing is done inside the signal handler; the reasons come through the event loop.
        EXPECT_TRUE(reasons.empty());
        Launcher::waitFor([&] { return reasons.size() == 3; }, 2000);
        EXPECT_EQ(reasons, (std::vector<std::int16_t>{3, 3, 2}));
    }
    // Started by nohup: SIGHUP was ignored from the start, and stays so.
    std::signal(SIGHUP, SIG_IGN);
    reasons.clear();
    {
        const qt::CloseReasons closeReasons([&](std::int16_t r) { reasons.push_back(r); });
        std::raise(SIGHUP);
        std::raise(SIGTERM);
        Launcher::waitFor([&] { return !reasons.empty(); }, 2000);
        QTest::qWait(100);
        EXPECT_EQ(reasons, std::vector<std::int16_t>{3});
    }
    EXPECT_EQ(std::signal(SIGHUP, SIG_DFL), SIG_IGN);

    const qt::CloseReasons closeReasons(
        [&](std::int16_t reason) { launcher.events.closeRequest(reason); });
    BoxAnswerer boxes;
    boxes.expect({Button::Yes, 300, [] { std::raise(SIGTERM); }});
    // Only this test keeps running after the end; the launch's remaining box is left at once.
    boxes.expect({Button::Ok});
    launcher.window().command1()->click();
    EXPECT_TRUE(launcher.ending.ended);
    EXPECT_TRUE(launcher.ending.boxOpen);
    EXPECT_FALSE(launcher.ending.minimised);
}

// A session manager's save (a checkpoint) leaves the program as it was; its order to end, once the
// logout is certain, ends it at once without a question.
TEST(QtWindow, OnlyTheEndOfTheSessionEndsTheProgram) {
    Launcher launcher;
    launcher.startOpened();
    const qt::CloseReasons closeReasons(
        [&](std::int16_t reason) { launcher.events.closeRequest(reason); });
    // What Qt's session management does on the session manager's SaveYourself and Die.
    QGuiApplicationPrivate::instance()->commitData();
    QTest::qWait(200);
    EXPECT_FALSE(launcher.ending.ended);
    EXPECT_TRUE(launcher.window().isVisible());
    QWindowSystemInterface::handleApplicationTermination<
        QWindowSystemInterface::SynchronousDelivery>();
    EXPECT_TRUE(launcher.ending.ended);
    EXPECT_TRUE(test::visibleBoxes().empty());
}

}  // namespace
}  // namespace kebo

int main(int argc, char** argv) {
    // The launches start the listed editor's stub, not the machine's default editor.
    const kebo::test::TempDir desktop;
    kebo::test::usePrivateDesktop(desktop.path());
    const QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

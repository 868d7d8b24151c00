// The launcher window on the real Qt backend, on an X display with a window manager.
#include <QtGui/private/qguiapplication_p.h>
#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>
#include <xcb/xcb.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "box_answerer.h"
#include "launcher_fixture.h"
#include "platform/qt/close_reasons.h"
#include "platform/qt/program_start.h"
#include "x_frame.h"

namespace kebo {
namespace {

using namespace boxes;
using test::BoxAnswerer;
using test::Key;
using test::QtLauncher;
using test::waitFor;

// The window's running timer that ticks every `periodMs`.
QTimer* runningTimer(QtLauncher& app, int periodMs) {
    for (QTimer* timer : app.widget().findChildren<QTimer*>()) {
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

// The outer rectangle in device pixels that the launcher's record in twips stands for, at 96 DPI:
// 15 twips to a logical pixel.
test::XRect recordedOuter(QtLauncher& app) {
    const int scale = qRound(app.widget().devicePixelRatioF());
    const auto pixels = [scale](int twips) {
        return static_cast<int>(std::lround(twips / 15.0)) * scale;
    };
    const TwipsRect& r = app.launcher.window();
    return {pixels(r.left), pixels(r.top), pixels(r.left + r.width) - pixels(r.left),
            pixels(r.top + r.height) - pixels(r.top)};
}

// As wide, and each edge less than a logical pixel off: under a scale factor a frame of an odd
// number of device pixels cannot be halved.
bool near(const test::XRect& seen, const test::XRect& expected, int scale) {
    const auto close = [scale](int a, int b) { return std::abs(a - b) < scale; };
    return seen.width == expected.width && close(seen.x, expected.x) && close(seen.y, expected.y) &&
           close(seen.y + seen.height, expected.y + expected.height);
}

// Waits until the X server has the client area inside the frame the window manager announces
// around the outer rectangle the launcher's record holds.
testing::AssertionResult placedAsRecorded(QtLauncher& app) {
    xcb_connection_t* c = xConnection();
    const auto xWindow = static_cast<xcb_window_t>(app.widget().winId());
    const int scale = qRound(app.widget().devicePixelRatioF());
    return waitFor("the client area inside the announced frame, where the record puts the window",
                   2000, [&] {
                       const auto frame = test::frameExtents(c, xWindow);
                       const auto client = test::clientGeometry(c, xWindow);
                       return frame && client &&
                              near(*client, test::inside(recordedOuter(app), *frame), scale);
                   });
}

// Answers once the animation has ticked 10 times with the box open, the window unchanged.
test::Reply afterTenTicks(QtLauncher& app, Animation animation, Answer answer) {
    struct AtTheQuestion {
        TwipsRect window;
        int ticks = 0;
    };
    const auto at = std::make_shared<AtTheQuestion>();
    return {.press = answer,
            .whileOpen =
                [&app, animation, at] {
                    EXPECT_NE(app.launcher.interval(animation), 0) << "the animation stands still";
                    *at = {app.launcher.window(), app.ticks(animation)};
                },
            .hold = {"10 ticks",
                     [&app, animation, at] { return app.ticks(animation) >= at->ticks + 10; }},
            .beforeAnswer = [&app, at] { EXPECT_EQ(app.launcher.window(), at->window); }};
}

// Asks the window manager to close the window, as its close button does; the click on that
// button makes the window active first, and Qt drops some close requests to inactive windows.
void windowManagerClose(QWidget& window) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << "the window never became active";
    xcb_connection_t* c = xConnection();
    ASSERT_NE(c, nullptr) << "needs the xcb platform";
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window.winId());
    event.type = test::atom(c, "_NET_CLOSE_WINDOW");
    event.data.data32[1] = 2;  // on behalf of the user
    xcb_send_event(c, 0, test::rootOf(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

TEST(QtWindow, OpensAsTheLauncherWindow) {
    test::FrameWatch frames;
    QtLauncher app;
    qt::LauncherWidget& window = app.widget();
    app.launcher.start();
    // Asked for 1 ms, the opening ticks at the 10 ms floor, once the window is on the screen.
    EXPECT_EQ(app.launcher.interval(Animation::Opening), 1);
    ASSERT_TRUE(
        waitFor("the window on the screen", 10'000, [&] { return app.launcher.onScreen(); }));
    EXPECT_NE(runningTimer(app, kShortestTimerPeriodMs), nullptr);
    ASSERT_TRUE(app.openingOver());

    EXPECT_EQ(window.windowTitle().toStdString(), window::kCaption);
    EXPECT_EQ(window.openButton()->text().toStdString(), window::kOpenButtonCaption);
    // At 96 DPI a pixel is 15 twips.
    EXPECT_EQ(app.platform.twipsPerPixel(), 15.0);
    EXPECT_EQ(window.openButton()->geometry(), QRect(48, 32, 217, 41));
    EXPECT_TRUE(app.isIdle());

    // Fixed single border: minimise and close, no maximise (as the window managers see it and
    // hold its size at rest: desktop.sh).
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(window.windowIcon().isNull());

    // 4770 twips wide, frame included, as the X server has it: 318 logical pixels, in device
    // pixels under a scale factor.
    EXPECT_EQ(app.launcher.window().width, 4770);
    EXPECT_TRUE(placedAsRecorded(app));
    xcb_connection_t* c = xConnection();
    const auto xWindow = static_cast<xcb_window_t>(window.winId());
    const auto frame = test::frameExtents(c, xWindow);
    ASSERT_TRUE(frame.has_value());
    EXPECT_GT(frame->at(2) + frame->at(3), 0) << "no frame from the manager";

    // Centred with its frame on the screen (no panel takes room here) and grown about that
    // centre, to within 4 logical pixels. Centres are doubled, in whole device pixels.
    const int scale = qRound(window.devicePixelRatioF());
    const test::XRect outer = recordedOuter(app);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const int driftX2 = outer.centreX2() - screen->width_in_pixels;
    const int driftY2 = outer.centreY2() - screen->height_in_pixels;
    EXPECT_LE(std::abs(driftX2), 8 * scale);
    EXPECT_LE(std::abs(driftY2), 8 * scale);

    // 47 ticks, about half a second at 10 ms. After the window manager's framing, each tick
    // changes the frame once, moved up and left and made larger at once (never in two steps), up
    // to its final geometry.
    const int ticks = app.ticks(Animation::Opening);
    EXPECT_EQ(ticks, 47);
    std::vector<test::XRect> steps;
    for (const test::XRect& change : frames.changesOf(test::frameOf(c, xWindow))) {
        if (steps.empty() || change != steps.back()) {
            steps.push_back(change);
        }
    }
    ASSERT_FALSE(steps.empty());
    EXPECT_TRUE(near(steps.back(), outer, scale));
    const auto grew = [](const test::XRect& a, const test::XRect& b) {
        return b.x < a.x && b.y < a.y && b.width > a.width && b.height > a.height;
    };
    int grown = 0;
    for (std::size_t i = steps.size() - 1; i > 0 && grew(steps[i - 1], steps[i]); --i) {
        ++grown;
    }
    EXPECT_EQ(grown, ticks);
    std::printf("opening: %dx%d px, centre off by %d,%d half pixels\n", outer.width, outer.height,
                driftX2, driftY2);

    // The busy label: pure red, centred, 14.25 pt in a Japanese Gothic, not a Latin fallback.
    const QLabel& label = *window.busyLabel();
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(label.alignment(), Qt::AlignCenter);
    const QFontInfo font(label.font());
    EXPECT_DOUBLE_EQ(font.pointSizeF(), window::kBusyLabelFont.points);
    EXPECT_TRUE(QFontDatabase::writingSystems(font.family()).contains(QFontDatabase::Japanese))
        << font.family().toStdString();
    std::printf("busy label font: %s\n", font.family().toStdString().c_str());

    // The folders where paint is looked for, as the backend was told.
    EXPECT_EQ(app.launcher.state().windowsFolder, app.windowsDir.string());
    EXPECT_EQ(app.launcher.state().systemFolder, app.systemDir.string());
}

TEST(QtWindow, LaunchRunsThroughTheRealBoxesAndStartsTheEditor) {
    QtLauncher app;
    test::writeStub(app.bin / "gedit", app.dir.path() / "started");
    ASSERT_TRUE(app.startOpened());
    qt::LauncherWidget& window = app.widget();

    BoxAnswerer user;
    bool closedDuringTheBox = true;
    user.expect({Answer::No, [&] { closedDuringTheBox = window.close(); }});
    user.expect({Answer::Ok});
    user.expect({Answer::Ok});
    window.openButton()->click();
    EXPECT_FALSE(closedDuringTheBox) << "a close request during a box was granted";
    EXPECT_TRUE(app.isWaiting());
    EXPECT_TRUE(window.busyLabel()->isVisible());

    // A close request during the launch is refused without a box.
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());

    // The last question waits inside a tick of the progress animation (Qt fires no timer again
    // inside its own tick); nothing may move while it is open, though the next tick is due.
    LauncherState atTheQuestion;
    bool barFullAtTheQuestion = false;
    user.expect({.press = Answer::Yes,
                 .whileOpen =
                     [&] {
                         atTheQuestion = app.launcher.state();
                         barFullAtTheQuestion =
                             window.progressBar()->value() == window::kProgressMax;
                     },
                 // A due tick is passed over inside the running one: the timer is then set for
                 // the next period, so it shows as overdue or as further off than before.
                 .hold = {"the next progress tick due",
                          [&, before = std::numeric_limits<int>::max()]() mutable {
                              const QTimer* timer =
                                  runningTimer(app, app.launcher.interval(Animation::Progress));
                              const int remaining = timer != nullptr ? timer->remainingTime() : -1;
                              const bool due = remaining == 0 || remaining > before;
                              before = remaining < 0 ? std::numeric_limits<int>::max() : remaining;
                              return due;
                          }},
                 .beforeAnswer =
                     [&] {
                         EXPECT_EQ(app.launcher.state().progress, atTheQuestion.progress);
                         EXPECT_EQ(app.launcher.state().tickCount, atTheQuestion.tickCount);
                         EXPECT_EQ(app.launcher.state().blinkCount, atTheQuestion.blinkCount);
                     }});

    // Watch the bar fill and the label blink until the launch is over.
    std::vector<int> values;
    int labelShown = 0;
    int labelHidden = 0;
    ASSERT_TRUE(
        waitFor("the boxes answered and the window ready again", test::kLongestLaunchMs, [&] {
            if (window.progressBar()->isVisible()) {
                const int value = window.progressBar()->value();
                if (values.empty() || values.back() != value) {
                    values.push_back(value);
                }
                (window.busyLabel()->isVisible() ? labelShown : labelHidden)++;
            }
            return user.scriptDone() && app.isIdle();
        }));

    EXPECT_EQ(user.seen(),
              (std::vector<Box>{kAskOpen, kRefusalOverridden, kPleaseWait, kReadyAskOpen}));
    EXPECT_EQ(user.mostOpenAtOnce(), 1);
    EXPECT_TRUE(barFullAtTheQuestion);
    EXPECT_GE(values.size(), 5U);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    EXPECT_GT(labelShown, 0);
    EXPECT_GT(labelHidden, 0);

    EXPECT_EQ(test::waitForMarker(app.dir.path() / "started", std::chrono::seconds(10)),
              (app.bin / "gedit").string());
}

TEST(QtWindow, NoAtTheEndStartsPaintFromTheSystemFolderOrSaysWhyNothingStarted) {
    QtLauncher app;
    ASSERT_TRUE(app.startOpened());
    // The boxes after the No are answered with OK.
    const auto launchAnsweringNo = [&app](const std::vector<Box>& afterNo) {
        BoxAnswerer user;
        for (const Answer answer : {Answer::Yes, Answer::Ok, Answer::No}) {
            user.expect({answer});
        }
        for (std::size_t i = 0; i < afterNo.size(); ++i) {
            user.expect({Answer::Ok});
        }
        app.widget().openButton()->click();
        EXPECT_TRUE(waitFor("the boxes answered and the window ready again", test::kLongestLaunchMs,
                            [&] { return user.scriptDone() && app.isIdle(); }));
        std::vector<Box> expected{kAskOpen, kPleaseWait, kReadyAskOpen};
        expected.insert(expected.end(), afterNo.begin(), afterNo.end());
        EXPECT_EQ(user.seen(), expected);
    };

    // No program at all: the fallback editor cannot start; a stop box and one line on stderr say
    // so with the system's reason, and the window is ready again.
    const std::string reason = std::strerror(ENOENT);
    const std::string failure =
        "プログラム「gnome-text-editor」を起動できませんでした。\n理由：" + reason;
    testing::internal::CaptureStderr();
    launchAnsweringNo({kForcePaint, kPaintMissing, startFailure(failure)});
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "kebo: cannot start gnome-text-editor: " + reason + "\n");

    // Paint only in the system folder is found, and started by its bare name.
    test::writeStub(app.systemDir / "kolourpaint", app.dir.path() / "started");
    launchAnsweringNo({kForcePaint});
    EXPECT_EQ(test::waitForMarker(app.dir.path() / "started", std::chrono::seconds(10)),
              (app.systemDir / "kolourpaint").string());
}

// A program found on the search path that cannot be started: the startup sequence announced for
// it to the desktop is ended at once, so that the desktop's busy pointer does not wait for it.
TEST(QtWindow, AProgramThatCannotStartEndsItsStartupSequence) {
    const test::TempDir dir;
    const std::filesystem::path bin = dir.sub("bin");
    std::ofstream(bin / "broken") << "#!/nonexistent/interpreter\n";
    std::filesystem::permissions(bin / "broken", std::filesystem::perms::owner_all);
    // The desktop, listening on the root window for the messages.
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> desktop(
        xcb_connect(nullptr, nullptr), &xcb_disconnect);
    xcb_connection_t* c = desktop.get();
    const std::uint32_t propertyChanges = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, test::rootOf(c), XCB_CW_EVENT_MASK, &propertyChanges);
    test::roundTrip(c);
    const xcb_atom_t begin = test::atom(c, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = test::atom(c, "_NET_STARTUP_INFO");

    ASSERT_TRUE(qt::startProgram("broken", bin.string()).has_value());
    // Sent in pieces of 20 bytes, the first as the beginning; a zero byte ends a message.
    std::map<xcb_window_t, std::string> sending;
    std::vector<std::string> messages;
    EXPECT_TRUE(waitFor("the startup sequence announced and ended", 5000, [&] {
        while (const auto event = test::xReply(xcb_poll_for_event(c))) {
            const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event.get());
            if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE ||
                (message->type != begin && message->type != more)) {
                continue;
            }
            std::string& text = sending[message->window];
            if (message->type == begin) {
                text.clear();
            }
            const auto* piece = reinterpret_cast<const char*>(message->data.data8);
            text.append(piece, strnlen(piece, 20));
            if (strnlen(piece, 20) < 20) {
                messages.push_back(text);
            }
        }
        return messages.size() >= 2;
    }));
    ASSERT_EQ(messages.size(), 2U);
    const std::size_t id = messages[0].find(" ID=") + 4;
    EXPECT_EQ(messages[0].rfind("new:", 0), 0U) << messages[0];
    EXPECT_EQ(messages[1], "remove: ID=" + messages[0].substr(id, messages[0].find(' ', id) - id));
}

// As on Windows: Escape and the window manager's close leave a Yes/No box unanswered (it offers
// no close button), and answer an OK box.
TEST(QtWindow, EscapeAndCloseAnswerAnOkBoxButNotAYesNoBox) {
    QtLauncher app;
    ASSERT_TRUE(app.startOpened());
    BoxAnswerer user;
    bool closeButtonOffered = true;
    bool refusedTheClose = false;
    user.expect({Answer::Yes, [&] {
                     QMessageBox* box = test::visibleBoxes().front();
                     closeButtonOffered = box->windowFlags().testFlag(Qt::WindowCloseButtonHint);
                     QTest::keyClick(box, Qt::Key_Escape);
                     refusedTheClose = !box->close();
                 }});
    user.expect({Key::Escape});
    app.widget().openButton()->click();
    EXPECT_TRUE(user.scriptDone());
    EXPECT_EQ(user.seen(), (std::vector<Box>{kAskOpen, kPleaseWait}));
    EXPECT_FALSE(closeButtonOffered);
    EXPECT_TRUE(refusedTheClose);
    EXPECT_TRUE(app.isWaiting());
}

TEST(QtWindow, TicksDuringABoxAreDroppedNotQueued) {
    QtLauncher app;
    app.launcher.start();
    // A click while the window still grows: the opening must wait for the answer.
    ASSERT_TRUE(
        waitFor("the window half grown", 5000, [&] { return app.launcher.window().width > 2000; }));
    ASSERT_NE(app.launcher.interval(Animation::Opening), 0);
    BoxAnswerer user;
    user.expect(afterTenTicks(app, Animation::Opening, Answer::Yes));
    user.expect({Answer::Ok});
    app.widget().openButton()->click();
    EXPECT_EQ(user.seen(), (std::vector<Box>{kAskOpen, kPleaseWait}));
    EXPECT_EQ(user.mostOpenAtOnce(), 1);
    // After the box the animation goes on from where it stood and still ends at 4770.
    ASSERT_TRUE(app.openingOver());
    EXPECT_EQ(app.launcher.window().width, 4770);
}

TEST(QtWindow, WindowManagerCloseRunsTheDialogue) {
    QtLauncher app;
    ASSERT_TRUE(app.startOpened());
    BoxAnswerer user;
    // Enter at the first question keeps the window.
    user.expect({Key::Enter});
    windowManagerClose(app.widget());
    ASSERT_TRUE(waitFor("the question answered and the close request handled", 5000,
                        [&] { return user.scriptDone() && !app.launcher.boxOpen(); }));
    EXPECT_EQ(user.seen(), std::vector<Box>{kAskQuit});
    EXPECT_TRUE(app.widget().isVisible());
    EXPECT_FALSE(app.ending.ended);

    // Through to the farewell. A close request while the window shrinks asks again, and the
    // farewell holds still while the question is open.
    for (const Answer answer : {Answer::Yes, Answer::Yes, Answer::No, Answer::No, Answer::Yes}) {
        user.expect({answer});
    }
    user.expect({.press = Answer::Ok, .beforeAnswer = [&] {
                     QTimer::singleShot(50, [&] { windowManagerClose(app.widget()); });
                 }});
    user.expect(afterTenTicks(app, Animation::Farewell, Answer::Yes));
    for (const Answer answer : {Answer::Yes, Answer::No, Answer::No, Answer::Yes, Answer::Ok}) {
        user.expect({answer});
    }
    windowManagerClose(app.widget());
    ASSERT_TRUE(waitFor("the end", 10'000, [&] { return app.ending.ended; }));
    EXPECT_TRUE(user.scriptDone());
    const std::vector<Box> toTheFarewell{kAskQuit,        kAskQuitReally, kAskRelaunch,
                                         kAskCancelClose, kAskGoodbye,    kSeeYou};
    std::vector<Box> expected{kAskQuit};
    expected.insert(expected.end(), toTheFarewell.begin(), toTheFarewell.end());
    expected.insert(expected.end(), toTheFarewell.begin(), toTheFarewell.end());
    EXPECT_EQ(user.seen(), expected);
    EXPECT_LE(app.ending.widthTwips, 1700);
    // The last shrink reached the X server.
    EXPECT_TRUE(placedAsRecorded(app));
    EXPECT_TRUE(app.ending.minimised);
    EXPECT_FALSE(app.ending.boxOpen);
}

TEST(QtWindow, SignalsEndAtOnceEvenDuringABox) {
    QtLauncher app;
    ASSERT_TRUE(app.startOpened());
    std::vector<CloseReason> reasons;
    const auto record = [&reasons](CloseReason reason) { reasons.push_back(reason); };
    {
        const qt::CloseReasons closeReasons(record);
        for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
            std::raise(signal);
        }
        // Nothing is done inside the signal handler; the reasons come through the event loop.
        EXPECT_TRUE(reasons.empty());
        EXPECT_TRUE(waitFor("three close requests", 2000, [&] { return reasons.size() == 3; }));
        EXPECT_EQ(reasons, (std::vector{CloseReason::TaskManager, CloseReason::TaskManager,
                                        CloseReason::SessionEnding}));
    }
    // Started by nohup: SIGHUP was ignored from the start, and stays so. The signals come in the
    // order they were raised: SIGHUP's would come before SIGTERM's.
    std::signal(SIGHUP, SIG_IGN);
    reasons.clear();
    {
        const qt::CloseReasons closeReasons(record);
        std::raise(SIGHUP);
        std::raise(SIGTERM);
        EXPECT_TRUE(
            waitFor("the close request of SIGTERM", 2000, [&] { return !reasons.empty(); }));
        EXPECT_EQ(reasons, std::vector{CloseReason::TaskManager});
    }
    EXPECT_EQ(std::signal(SIGHUP, SIG_DFL), SIG_IGN);

    const qt::CloseReasons closeReasons(
        [&app](CloseReason reason) { app.post(event::CloseRequested{reason}); });
    BoxAnswerer user;
    user.expect({.press = Answer::Yes,
                 .whileOpen = [] { std::raise(SIGTERM); },
                 .hold = {"the end", [&] { return app.ending.ended; }}});
    // Only this test keeps running after the end; the launch's remaining box is left at once.
    user.expect({Answer::Ok});
    app.widget().openButton()->click();
    EXPECT_TRUE(app.ending.ended);
    EXPECT_TRUE(app.ending.boxOpen);
    EXPECT_FALSE(app.ending.minimised);
}

// A session manager's save (a checkpoint) leaves the program as it was; its order to end, once the
// logout is certain, ends it at once without a question.
TEST(QtWindow, OnlyTheEndOfTheSessionEndsTheProgram) {
    QtLauncher app;
    ASSERT_TRUE(app.startOpened());
    const qt::CloseReasons closeReasons(
        [&app](CloseReason reason) { app.post(event::CloseRequested{reason}); });
    // A question would be answered, so that the test fails rather than waits.
    BoxAnswerer user;
    // What Qt's session management does on the session manager's SaveYourself and Die.
    QGuiApplicationPrivate::instance()->commitData();
    ASSERT_TRUE(test::postedEventsDelivered());
    EXPECT_TRUE(user.seen().empty());
    EXPECT_FALSE(app.ending.ended);
    EXPECT_TRUE(app.widget().isVisible());
    QWindowSystemInterface::handleApplicationTermination<
        QWindowSystemInterface::SynchronousDelivery>();
    EXPECT_TRUE(app.ending.ended);
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

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim_helpers.h"

namespace kebo {
namespace {

using enum MessageId;
using Paths = std::vector<std::string>;
using test::clickAndAgree;
using test::isIdle;
using test::runLaunchToEnd;
using test::startOpened;

constexpr const char* kW = "C:\\WINDOWS";
constexpr const char* kS = "C:\\WINDOWS\\system32";

std::string in(const std::string& directory, const char* name) {
    return directory + "\\" + name;
}

// The boxes shown after the launch's first two.
std::vector<MessageId> completionBoxes(const SimPlatform& p) {
    const std::vector<MessageId> ids = p.boxIds();
    return {ids.begin() + 2, ids.end()};
}

TEST(Completion, YesStartsNotepadAndReturnsToIdle) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    clickAndAgree(p);
    p.answer(kAnswerYes);
    runLaunchToEnd(p);
    EXPECT_EQ(completionBoxes(p), std::vector{MsgReadyAskOpen});
    EXPECT_EQ(p.startedPrograms(), Paths{"NOTEPAD.EXE"});
    EXPECT_TRUE(p.testedPaths().empty());
    EXPECT_TRUE(isIdle(p));
    EXPECT_EQ(program.form.state().progress, 0);
    EXPECT_EQ(program.form.state().tickCount, 1);

    clickAndAgree(p);
    EXPECT_TRUE(p.progressBarVisible());
    EXPECT_EQ(p.progressBarValue(), 0);
}

// Started from a desktop menu, a program that cannot start would leave the user with nothing to
// see: one stop box names it with the system's reason, one line goes to stderr, and the window is
// idle again.
TEST(Completion, AProgramThatCannotStartIsShownInABoxAndOnStandardError) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    p.failStarts("指定されたファイルが見つかりません。");
    startOpened(program);
    clickAndAgree(p);
    p.answer(kAnswerYes);
    p.answer(kAnswerOk);
    testing::internal::CaptureStderr();
    runLaunchToEnd(p);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "kebo: cannot start NOTEPAD.EXE: 指定されたファイルが見つかりません。\n");
    ASSERT_EQ(p.boxes().size(), 4U);
    const ShownBox& box = p.boxes().back();
    EXPECT_EQ(box.text,
              "プログラム「NOTEPAD.EXE」を起動できませんでした。\n"
              "理由：指定されたファイルが見つかりません。");
    EXPECT_EQ(box.style, 0x10U);
    EXPECT_EQ(box.caption, "KEBO");
    EXPECT_EQ(p.startedPrograms(), Paths{"NOTEPAD.EXE"});
    EXPECT_TRUE(isIdle(p));
}

TEST(Completion, NoLooksForPaintInBothDirectories) {
    struct Case {
        const char* what;
        Paths files;
        const char* started;
        std::size_t pathsTested;
        bool missing;
    };
    const Case cases[] = {
        {"both names", {in(kW, "mspaint.exe"), in(kW, "paint.exe")}, "mspaint.exe", 2, false},
        {"mspaint in system", {in(kS, "mspaint.exe")}, "mspaint.exe", 2, false},
        {"paint in system", {in(kS, "paint.exe")}, "paint.exe", 4, false},
        {"none", {}, "NOTEPAD.EXE", 4, true},
    };
    const Paths lookup{in(kW, "mspaint.exe"), in(kS, "mspaint.exe"), in(kW, "paint.exe"),
                       in(kS, "paint.exe")};
    for (const Case& c : cases) {
        SimulatedProgram program;
        SimPlatform& p = program.platform;
        for (const std::string& file : c.files) {
            p.addFile(file);
        }
        startOpened(program);
        clickAndAgree(p);
        for (const int answer : {kAnswerNo, kAnswerOk, kAnswerOk}) {
            p.answer(answer);
        }
        runLaunchToEnd(p);
        std::vector expected{MsgReadyAskOpen, MsgForcePaint};
        if (c.missing) {
            expected.push_back(MsgPaintMissing);
        }
        EXPECT_EQ(completionBoxes(p), expected) << c.what;
        EXPECT_EQ(p.startedPrograms(), Paths{c.started}) << c.what;
        EXPECT_EQ(p.testedPaths(), Paths(lookup.begin(), lookup.begin() + c.pathsTested)) << c.what;
        EXPECT_TRUE(isIdle(p)) << c.what;
    }
}

TEST(Completion, ADirectoryThatDidNotFitItsBufferFindsNothing) {
    const std::string blank(50, ' ');
    const std::string longPath = "C:\\" + std::string(47, 'x');
    const std::string hugePath(40000, 'y');  // its length does not even fit 16 bits
    struct Case {
        std::string windows, system;
        Paths files;
        const char* started;
        Paths tested;
    };
    const Case cases[] = {
        {longPath,
         kS,
         {in(longPath, "mspaint.exe"), in(kS, "paint.exe")},
         "paint.exe",
         {in(blank, "mspaint.exe"), in(kS, "mspaint.exe"), in(blank, "paint.exe"),
          in(kS, "paint.exe")}},
        {kW,
         hugePath,
         {"\\mspaint.exe", in(kW, "paint.exe")},
         "paint.exe",
         {in(kW, "mspaint.exe"), in(blank, "mspaint.exe"), in(kW, "paint.exe"),
          in(blank, "paint.exe")}},
    };
    for (const Case& c : cases) {
        SimConfig config;
        config.windowsDirectory = c.windows;
        config.systemDirectory = c.system;
        SimulatedProgram program(config);
        SimPlatform& p = program.platform;
        for (const std::string& file : c.files) {
            p.addFile(file);
        }
        startOpened(program);
        clickAndAgree(p);
        p.answer(kAnswerNo);
        p.answer(kAnswerOk);
        runLaunchToEnd(p);
        EXPECT_EQ(p.startedPrograms(), Paths{c.started});
        EXPECT_EQ(p.testedPaths(), c.tested);
    }
}

}  // namespace
}  // namespace kebo

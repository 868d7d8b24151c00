#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim_helpers.h"

namespace kebo {
namespace {

using namespace boxes;
using enum Answer;
using Paths = std::vector<std::string>;
using test::answerAll;
using test::clickAndAgree;
using test::isIdle;
using test::runLaunchToEnd;
using test::shownBoxes;
using test::startOpened;

const std::string kW = "C:\\WINDOWS";
const std::string kS = "C:\\WINDOWS\\system32";

std::string in(const std::string& folder, const char* name) {
    return folder + "\\" + name;
}

TEST(Completion, YesStartsTheTextEditorAndReturnsToIdle) {
    SimulatedProgram program;
    SimPlatform& p = program.platform;
    startOpened(program);
    clickAndAgree(p);
    p.answer(Yes);
    runLaunchToEnd(program);
    EXPECT_EQ(shownBoxes(p, 2), std::vector{kReadyAskOpen});
    EXPECT_EQ(p.startedPrograms(), Paths{"NOTEPAD.EXE"});
    EXPECT_TRUE(p.testedPaths().empty());
    EXPECT_TRUE(isIdle(program));
    EXPECT_EQ(program.launcher.state().progress, 0);
    EXPECT_EQ(program.launcher.state().tickCount, 1);

    clickAndAgree(p);
    EXPECT_TRUE(p.progressVisible());
    EXPECT_EQ(p.progressValue(), 0);
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
    answerAll(p, {Yes, Ok});
    testing::internal::CaptureStderr();
    runLaunchToEnd(program);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "kebo: cannot start NOTEPAD.EXE: 指定されたファイルが見つかりません。\n");
    ASSERT_EQ(p.boxes().size(), 4U);
    EXPECT_TRUE(
        p.boxes().back().is({"プログラム「NOTEPAD.EXE」を起動できませんでした。\n"
                             "理由：指定されたファイルが見つかりません。",
                             Buttons::Ok, BoxIcon::Stop, Ok}))
        << p.boxes().back().text;
    EXPECT_EQ(p.startedPrograms(), Paths{"NOTEPAD.EXE"});
    EXPECT_TRUE(isIdle(program));
}

// A No looks for a paint program in both folders, as they were at load. A folder's path is read
// into 50 bytes: one that does not fit them leaves them blank, and nothing is found there.
TEST(Completion, NoLooksForPaintInBothFoldersAsReadAtLoad) {
    const std::string fits = "C:\\" + std::string(46, 'x');
    const std::string tooLong = fits + 'x';
    const std::string blank(50, ' ');
    struct Case {
        const char* what;
        Paths files;
        const char* started;
        std::size_t lookups;  // of mspaint.exe in both, then paint.exe in both
        // Where the folders are, and what is read of them.
        std::string windows = kW, system = kS, windowsRead = kW, systemRead = kS;
    };
    const Case cases[] = {
        {"both names", {in(kW, "mspaint.exe"), in(kW, "paint.exe")}, "mspaint.exe", 2},
        {"mspaint in system", {in(kS, "mspaint.exe")}, "mspaint.exe", 2},
        {"paint in system", {in(kS, "paint.exe")}, "paint.exe", 4},
        {"none", {}, "NOTEPAD.EXE", 4},
        {"a folder of 49 bytes", {in(fits, "mspaint.exe")}, "mspaint.exe", 2, fits, kS, fits},
        {"a folder of 50 bytes",
         {in(tooLong, "mspaint.exe"), in(kS, "paint.exe")},
         "paint.exe",
         4,
         tooLong,
         kS,
         blank},
        {"a folder of 40000 bytes",
         {"\\mspaint.exe", in(kW, "paint.exe")},
         "paint.exe",
         4,
         kW,
         std::string(40000, 'y'),
         kW,
         blank},
    };
    for (const Case& c : cases) {
        SimConfig config;
        config.windowsFolder = c.windows;
        config.systemFolder = c.system;
        SimulatedProgram program(config);
        SimPlatform& p = program.platform;
        for (const std::string& file : c.files) {
            p.addFile(file);
        }
        startOpened(program);
        p.setFolders("D:\\ELSEWHERE", "D:\\ELSEWHERE\\system");
        clickAndAgree(p);
        answerAll(p, {No, Ok, Ok});
        runLaunchToEnd(program);
        const bool missing = c.started == std::string("NOTEPAD.EXE");
        std::vector expected{kReadyAskOpen, kForcePaint};
        if (missing) {
            expected.push_back(kPaintMissing);
        }
        EXPECT_EQ(shownBoxes(p, 2), expected) << c.what;
        EXPECT_EQ(p.startedPrograms(), Paths{c.started}) << c.what;
        const Paths lookup{in(c.windowsRead, "mspaint.exe"), in(c.systemRead, "mspaint.exe"),
                           in(c.windowsRead, "paint.exe"), in(c.systemRead, "paint.exe")};
        EXPECT_EQ(p.testedPaths(), Paths(lookup.begin(), lookup.begin() + c.lookups)) << c.what;
        EXPECT_TRUE(isIdle(program)) << c.what;
    }
}

}  // namespace
}  // namespace kebo

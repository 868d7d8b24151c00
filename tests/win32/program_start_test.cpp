// Where the launcher looks for the paint programs, and how it starts a program.
#include "platform/win32/program_start.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "launcher_stack.h"
#include "platform/win32/system_error.h"

namespace kebo::win32 {
namespace {

using Folders = LauncherStack;

TEST_F(Folders, AreWindowsOwnAndItsSystemFolderWithoutASeparatorAtTheEnd) {
    const std::string root = std::getenv("SystemRoot");
    EXPECT_STRCASEEQ(platform->folderPath(Folder::Windows).c_str(), root.c_str());
    EXPECT_STRCASEEQ(platform->folderPath(Folder::System).c_str(), (root + "\\system32").c_str());
}

// The launcher reports a failure itself, with Windows' own words for it.
TEST(ProgramStart, AProgramThatCannotBeFoundGivesWindowsReasonAndPrintsNothing) {
    ::testing::internal::CaptureStderr();
    const std::optional<std::string> reason = startProgram("kebo-no-such-program.exe");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    ASSERT_TRUE(reason.has_value());
    EXPECT_EQ(*reason, systemErrorText(ERROR_FILE_NOT_FOUND));
}

}  // namespace
}  // namespace kebo::win32

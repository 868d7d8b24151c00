#include "platform/win32/program_start.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/win32/system_error.h"

namespace kebo::win32 {
namespace {

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

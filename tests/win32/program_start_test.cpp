#include "platform/win32/program_start.h"

#include <gtest/gtest.h>

#include <string>

namespace kebo::win32 {
namespace {

TEST(ProgramStart, AProgramThatCannotBeFoundIsOneLineOnStandardError) {
    ::testing::internal::CaptureStderr();
    startProgram("kebo-no-such-program.exe");
    const std::string output = ::testing::internal::GetCapturedStderr();
    const std::string start = "kebo: cannot start kebo-no-such-program.exe: ";
    ASSERT_GT(output.size(), start.size() + 1);
    EXPECT_EQ(output.substr(0, start.size()), start);
    EXPECT_EQ(output.find('\n'), output.size() - 1);
}

}  // namespace
}  // namespace kebo::win32

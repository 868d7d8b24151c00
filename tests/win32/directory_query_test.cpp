// The directory queries fill the launcher's 50-byte buffers the way GetWindowsDirectoryA does.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <span>
#include <string>

#include "launcher_stack.h"
#include "platform/win32/wide_text.h"

namespace kebo::win32 {
namespace {

using Query = std::function<std::uint32_t(Win32Platform&, std::span<char>)>;

struct Directory {
    const char* name;
    Query query;
    std::wstring expected;
};

std::wstring windowsDirectoryW() {
    std::array<wchar_t, MAX_PATH> path{};
    GetWindowsDirectoryW(path.data(), MAX_PATH);
    return path.data();
}

std::wstring systemDirectoryW() {
    std::array<wchar_t, MAX_PATH> path{};
    GetSystemDirectoryW(path.data(), MAX_PATH);
    return path.data();
}

class DirectoryQuery : public LauncherStack {
protected:
    std::array<Directory, 2> directories() const {
        return {Directory{"Windows", &Win32Platform::windowsDirectory, windowsDirectoryW()},
                Directory{"system", &Win32Platform::systemDirectory, systemDirectoryW()}};
    }
};

TEST_F(DirectoryQuery, APathThatFitsIsWrittenWithItsZeroAndItsLengthReturned) {
    for (const Directory& directory : directories()) {
        SCOPED_TRACE(directory.name);
        std::array<char, kDirectoryBufferSize> buffer;
        buffer.fill(' ');
        const std::uint32_t length = directory.query(*platform, buffer);
        ASSERT_LT(length, kDirectoryBufferSize);
        EXPECT_EQ(buffer[length], '\0');
        EXPECT_EQ(widen(std::string(buffer.data(), length)), directory.expected);
        EXPECT_NE(buffer[length - 1], '\\');
        // The rest of the buffer keeps what was there.
        EXPECT_EQ(std::string(buffer.begin() + length + 1, buffer.end()),
                  std::string(kDirectoryBufferSize - length - 1, ' '));
    }
}

// The buffer is a window on a larger array: nothing outside the window may change, and a path
// that does not fit leaves even the window as it was.
TEST_F(DirectoryQuery, APathThatDoesNotFitWritesNothingAndReturnsTheSizeItNeeds) {
    for (const Directory& directory : directories()) {
        SCOPED_TRACE(directory.name);
        const std::size_t needed = directory.expected.size() + 1;
        for (const std::size_t size : {std::size_t{0}, std::size_t{3}, needed - 1}) {
            SCOPED_TRACE(size);
            std::array<char, kDirectoryBufferSize + 16> memory;
            memory.fill('#');
            const std::uint32_t result =
                directory.query(*platform, std::span<char>(memory.data() + 8, size));
            EXPECT_EQ(result, needed);
            EXPECT_EQ(std::string(memory.begin(), memory.end()), std::string(memory.size(), '#'));
        }
        std::array<char, kDirectoryBufferSize + 16> memory;
        memory.fill('#');
        EXPECT_EQ(directory.query(*platform, std::span<char>(memory.data() + 8, needed)),
                  needed - 1);
        EXPECT_EQ(std::string(memory.begin(), memory.begin() + 8), "########");
        EXPECT_EQ(std::string(memory.begin() + 8 + needed, memory.end()),
                  std::string(memory.size() - 8 - needed, '#'));
    }
}

TEST_F(DirectoryQuery, StartUpKeepsBothWholeBuffersAndTheirLengths) {
    form->Form_Load();
    const LauncherState& state = form->state();
    ASSERT_EQ(state.windowsDir.size(), kDirectoryBufferSize);
    ASSERT_EQ(state.systemDir.size(), kDirectoryBufferSize);
    const auto windowsLength = static_cast<std::size_t>(state.windowsDirLength);
    const auto systemLength = static_cast<std::size_t>(state.systemDirLength);
    EXPECT_EQ(widen(state.windowsDir.substr(0, windowsLength)), windowsDirectoryW());
    EXPECT_EQ(widen(state.systemDir.substr(0, systemLength)), systemDirectoryW());
    EXPECT_EQ(state.windowsDir[windowsLength], '\0');
    EXPECT_EQ(state.systemDir[systemLength], '\0');
}

}  // namespace
}  // namespace kebo::win32

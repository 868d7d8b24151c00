#include "platform/win32/wide_text.h"

#include <gtest/gtest.h>

namespace kebo::win32 {
namespace {

TEST(WideText, JapaneseTextSurvivesTheRoundTrip) {
    const std::string caption = "ポムリナ";
    const std::wstring wide = widen(caption);
    EXPECT_EQ(wide, L"\u30DD\u30E0\u30EA\u30CA");
    EXPECT_EQ(narrow(wide), caption);
    EXPECT_EQ(widen(""), L"");
    EXPECT_EQ(narrow(L""), "");
}

// A path from an ...A query in a non-UTF-8 code page must not come out empty.
TEST(WideText, TextThatIsNotUtf8IsReadInTheAnsiCodePage) {
    const std::wstring wide = widen("C:\\\xC4\xFF");
    ASSERT_GE(wide.size(), 4U);
    EXPECT_EQ(wide.substr(0, 3), L"C:\\");
}

}  // namespace
}  // namespace kebo::win32

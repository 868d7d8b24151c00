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

}  // namespace
}  // namespace kebo::win32

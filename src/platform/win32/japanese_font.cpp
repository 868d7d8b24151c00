#include "platform/win32/japanese_font.h"

#include <cmath>
#include <cwchar>
#include <string>
#include <vector>

#include "launcher/launcher_window.h"
#include "platform/win32/wide_text.h"

namespace kebo::win32 {

namespace {

int CALLBACK noteFamilyFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool installed(HDC dc, const std::wstring& family) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(query.lfFaceName, family.c_str(), LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc, &query, noteFamilyFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::wstring chooseFamily() {
    const std::vector<std::wstring> families{widen(Form1::kLabel1FontFamily),
                                             L"MS PGothic",
                                             L"Yu Gothic UI",
                                             L"Meiryo UI",
                                             L"MS UI Gothic",
                                             L"IPAPGothic",
                                             L"VL PGothic",
                                             L"Noto Sans CJK JP"};
    HDC screen = GetDC(nullptr);
    std::wstring chosen;
    for (const std::wstring& family : families) {
        if (installed(screen, family)) {
            chosen = family;
            break;
        }
    }
    ReleaseDC(nullptr, screen);
    return chosen;
}

}  // namespace

HFONT createJapaneseFont(double points, UINT dpi) {
    static const std::wstring family = chooseFamily();
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    std::wcsncpy(font.lfFaceName, family.c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

}  // namespace kebo::win32

// kebo.exe carries its icon, its version and its manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/resource_ids.h"

namespace kebo::win32 {
namespace {

std::wstring programPath() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path.substr(0, path.find_last_of(L'\\')) + L"\\kebo.exe";
}

std::string_view resourceText(HMODULE module, LPCWSTR name, LPCWSTR type) {
    HRSRC found = FindResourceW(module, name, type);
    if (found == nullptr) {
        return {};
    }
    return {static_cast<const char*>(LockResource(LoadResource(module, found))),
            SizeofResource(module, found)};
}

TEST(ProgramFile, CarriesItsIconManifestAndVersion) {
    const std::wstring path = programPath();
    HMODULE program = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    EXPECT_NE(FindResourceW(program, MAKEINTRESOURCEW(KEBO_ICON_ID), RT_GROUP_ICON), nullptr);
    const auto icon = static_cast<HICON>(
        LoadImageW(program, MAKEINTRESOURCEW(KEBO_ICON_ID), IMAGE_ICON, 16, 16, 0));
    EXPECT_NE(icon, nullptr);
    DestroyIcon(icon);

    const std::string_view manifest =
        resourceText(program, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string_view::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string_view::npos);
    FreeLibrary(program);

    DWORD ignored = 0;
    std::vector<char> version(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    ASSERT_FALSE(version.empty());
    ASSERT_NE(
        GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(version.size()), version.data()),
        FALSE);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_NE(VerQueryValueW(version.data(), L"\\", reinterpret_cast<void**>(&fixed), &size),
              FALSE);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    wchar_t* name = nullptr;
    ASSERT_NE(VerQueryValueW(version.data(), L"\\StringFileInfo\\041104B0\\OriginalFilename",
                             reinterpret_cast<void**>(&name), &size),
              FALSE);
    EXPECT_EQ(std::wstring(name), L"kebo.exe");
}

}  // namespace
}  // namespace kebo::win32

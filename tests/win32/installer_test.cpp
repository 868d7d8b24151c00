// The Windows installer as a user meets it, in a Wine prefix where kebo was never installed: a
// silent install for the current user, the program started from where it went, the same version
// installed over itself, and a silent uninstall that takes away what was installed and nothing
// else. Run as: kebo_installer_test <folder holding kebo-<version>-win64.exe>
#include <windows.h>

#include <gtest/gtest.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>

#include "kebo_process.h"

namespace kebo::win32::end_to_end {
namespace {

using namespace std::chrono_literals;

constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\kebo";
constexpr wchar_t kVersion[] = L"" KEBO_VERSION;

std::wstring packageFolder;

std::wstring knownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring result;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) {
        result = path;
    }
    CoTaskMemFree(path);
    return result;
}

// Runs `commandLine` and returns its exit code, or -1 when it did not start or end within a
// minute.
long run(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process) == FALSE) {
        return -1;
    }
    DWORD code = 0;
    if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0 ||
        GetExitCodeProcess(process.hProcess, &code) == FALSE) {
        TerminateProcess(process.hProcess, 99);
        code = static_cast<DWORD>(-1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<long>(code);
}

// A text value of kebo's uninstall key; none without the key.
std::optional<std::wstring> text(const wchar_t* name) {
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring value(size / sizeof(wchar_t), L'\0');
    RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, value.data(),
                 &size);
    value.resize(size / sizeof(wchar_t) - 1);
    return value;
}

DWORD number(const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

std::set<std::wstring> filesIn(const std::wstring& folder) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            names.insert(name);
        }
    } while (FindNextFileW(search, &found) != FALSE);
    FindClose(search);
    return names;
}

bool fileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

struct Shortcut {
    std::wstring target;
    std::wstring icon;
    int iconIndex = -1;
};

Shortcut readShortcut(const std::wstring& path) {
    Shortcut shortcut;
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
        std::wstring buffer(MAX_PATH, L'\0');
        link->GetPath(buffer.data(), MAX_PATH, nullptr, SLGP_RAWPATH);
        shortcut.target = buffer.c_str();
        link->GetIconLocation(buffer.data(), MAX_PATH, &shortcut.iconIndex);
        shortcut.icon = buffer.c_str();
    }
    if (file != nullptr) {
        file->Release();
    }
    if (link != nullptr) {
        link->Release();
    }
    return shortcut;
}

class Installer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(packageFolder.empty()) << "usage: kebo_installer_test <package folder>";
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    }
    void TearDown() override { CoUninitialize(); }

    void install() { EXPECT_EQ(run(L"\"" + installer + L"\" /S"), 0); }

    // The files (beside `usersFiles`), the Start-menu shortcut and the uninstall key of this
    // version.
    void expectInstalled(std::set<std::wstring> usersFiles = {}) {
        usersFiles.insert({L"kebo.exe", L"LICENSE.txt", L"README.txt", L"Uninstall.exe"});
        EXPECT_EQ(filesIn(folder), usersFiles);

        const Shortcut shortcut = readShortcut(shortcutPath);
        EXPECT_EQ(shortcut.target, program);
        EXPECT_EQ(shortcut.icon, program);
        EXPECT_EQ(shortcut.iconIndex, 0);

        EXPECT_EQ(text(L"DisplayName"), L"\u30DD\u30E0\u30EA\u30CA (kebo)");  // ポムリナ (kebo)
        EXPECT_EQ(text(L"DisplayVersion"), kVersion);
        EXPECT_EQ(text(L"Publisher"), L"the kebo authors");
        EXPECT_EQ(text(L"DisplayIcon"), program + L",0");
        EXPECT_EQ(text(L"InstallLocation"), folder);
        EXPECT_EQ(text(L"UninstallString"), L"\"" + uninstaller + L"\"");
        EXPECT_EQ(text(L"QuietUninstallString"), L"\"" + uninstaller + L"\" /S");
        EXPECT_EQ(number(L"NoModify"), 1U);
        EXPECT_EQ(number(L"NoRepair"), 1U);
        // In KiB: kebo.exe and the uninstaller are some hundred.
        EXPECT_GT(number(L"EstimatedSize"), 100U);
        EXPECT_LT(number(L"EstimatedSize"), 10000U);
    }

    const std::wstring installer =
        packageFolder + L"\\kebo-" + std::wstring(kVersion) + L"-win64.exe";
    const std::wstring folder = knownFolder(FOLDERID_LocalAppData) + L"\\Programs\\kebo";
    const std::wstring program = folder + L"\\kebo.exe";
    const std::wstring uninstaller = folder + L"\\Uninstall.exe";
    const std::wstring shortcutPath =
        knownFolder(FOLDERID_Programs) + L"\\\u30DD\u30E0\u30EA\u30CA.lnk";
    // A file of the user's own in the program's folder, which no install or uninstall touches.
    const std::wstring usersFile = folder + L"\\notes.txt";
};

TEST_F(Installer, InstallsRunsReinstallsAndUninstallsForTheUserAlone) {
    ASSERT_TRUE(fileExists(installer)) << "no installer in " << testing::PrintToString(installer);
    ASSERT_FALSE(text(L"DisplayName"))
        << "kebo is installed already: the prefix must be a fresh one";

    install();
    expectInstalled();
    HANDLE notes =
        CreateFileW(usersFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(notes, INVALID_HANDLE_VALUE);
    CloseHandle(notes);

    // The installed program shows its window; while it runs, the uninstaller (run in place, so
    // that its exit code is its own) refuses and changes nothing.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION kebo{};
    std::wstring commandLine = L"\"" + readShortcut(shortcutPath).target + L"\"";
    ASSERT_NE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &kebo),
              FALSE);
    EXPECT_TRUE(waitFor([&] { return findLauncherWindow(kebo.dwProcessId) != nullptr; }, 20s));
    EXPECT_EQ(run(L"\"" + uninstaller + L"\" /S _?=" + folder), 2);
    EXPECT_TRUE(fileExists(program));
    TerminateProcess(kebo.hProcess, 0);
    WaitForSingleObject(kebo.hProcess, 5000);
    CloseHandle(kebo.hThread);
    CloseHandle(kebo.hProcess);

    // The same version again replaces the first installation where it is.
    install();
    expectInstalled({L"notes.txt"});

    // The uninstaller as Windows runs it: it copies itself away and returns at once.
    ASSERT_EQ(run(text(L"QuietUninstallString").value_or(L"")), 0);
    // The key goes last.
    EXPECT_TRUE(waitFor([&] { return !text(L"DisplayName"); }, 30s));
    EXPECT_FALSE(fileExists(shortcutPath));
    EXPECT_EQ(filesIn(folder), std::set<std::wstring>{L"notes.txt"});

    DeleteFileW(usersFile.c_str());
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace kebo::win32::end_to_end

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc == 2) {
        std::wstring& folder = kebo::win32::end_to_end::packageFolder;
        folder = argv[1];
        std::replace(folder.begin(), folder.end(), L'/', L'\\');
    }
    return RUN_ALL_TESTS();
}

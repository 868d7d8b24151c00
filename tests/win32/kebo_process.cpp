#include "kebo_process.h"

#include <gtest/gtest.h>

#include <thread>

namespace kebo::win32::end_to_end {

namespace {

constexpr wchar_t kLauncherCaption[] = L"\u30DD\u30E0\u30EA\u30CA";  // ポムリナ
constexpr wchar_t kNotepadMarker[] = L"NOTEPAD.EXE.started";

std::wstring ownFolder() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring newTemporaryFolder() {
    static int runs = 0;
    std::wstring temp(MAX_PATH, L'\0');
    temp.resize(GetTempPathW(MAX_PATH, temp.data()));
    const std::wstring folder = temp + L"kebo-end-to-end-" +
                                std::to_wstring(GetCurrentProcessId()) + L"-" +
                                std::to_wstring(++runs);
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

struct LauncherSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK matchLauncher(HWND window, LPARAM searchAddress) {
    auto& search = *reinterpret_cast<LauncherSearch*>(searchAddress);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t caption[32]{};
    GetWindowTextW(window, caption, 32);
    if (owner == search.processId && IsWindowVisible(window) != FALSE &&
        std::wstring_view(caption) == kLauncherCaption) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return done();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

KeboProcess::KeboProcess(NotepadPlace notepadPlace)
    : folder_(newTemporaryFolder()),
      currentDirectory_(folder_ + L"\\current"),
      notepadFolder_(notepadPlace == NotepadPlace::ProgramFolder ? folder_ : currentDirectory_) {
    CreateDirectoryW(currentDirectory_.c_str(), nullptr);
    const std::wstring from = ownFolder();
    EXPECT_NE(CopyFileW((from + L"\\kebo.exe").c_str(), (folder_ + L"\\kebo.exe").c_str(), FALSE),
              FALSE);
    EXPECT_NE(CopyFileW((from + L"\\NOTEPAD.EXE").c_str(),
                        (notepadFolder_ + L"\\NOTEPAD.EXE").c_str(), FALSE),
              FALSE);
    std::wstring commandLine = L"\"" + folder_ + L"\\kebo.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    EXPECT_NE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             currentDirectory_.c_str(), &startup, &process_),
              FALSE);
}

KeboProcess::~KeboProcess() {
    if (process_.hProcess != nullptr) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    DeleteFileW((folder_ + L"\\kebo.exe").c_str());
    DeleteFileW((notepadFolder_ + L"\\NOTEPAD.EXE").c_str());
    DeleteFileW((notepadFolder_ + L"\\" + kNotepadMarker).c_str());
    RemoveDirectoryW(currentDirectory_.c_str());
    RemoveDirectoryW(folder_.c_str());
}

HWND findLauncherWindow(DWORD processId) {
    LauncherSearch search{processId, nullptr};
    EnumWindows(matchLauncher, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND KeboProcess::launcherWindow() const {
    return findLauncherWindow(id());
}

std::optional<DWORD> KeboProcess::waitForExit(std::chrono::milliseconds timeout) const {
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) !=
        WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::string KeboProcess::notepadMarker() const {
    HANDLE marker = CreateFileW((notepadFolder_ + L"\\" + kNotepadMarker).c_str(), GENERIC_READ,
                                FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (marker == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string content(64, '\0');
    DWORD read = 0;
    ReadFile(marker, content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
    CloseHandle(marker);
    content.resize(read);
    return content;
}

}  // namespace kebo::win32::end_to_end

// Stands in for NOTEPAD.EXE beside the launcher in the end-to-end tests: it leaves a marker file
// named after itself in its own folder, with the show command it was started with and the
// launcher's setting for its own program search if that reached it, and ends.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : -1;
    std::string content = "started, show " + std::to_string(show) + "\n";
    if (GetEnvironmentVariableW(L"NoDefaultCurrentDirectoryInExePath", nullptr, 0) != 0) {
        content += "NoDefaultCurrentDirectoryInExePath is set\n";
    }

    HANDLE marker = CreateFileW((path + L".started").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    WriteFile(marker, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(marker);
    return 0;
}

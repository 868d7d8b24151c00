#include "platform/win32/program_start.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/win32/system_error.h"
#include "platform/win32/wide_text.h"

namespace kebo::win32 {

void startProgram(std::string_view fileName) {
    // Without this the program search looks in the current directory before the system folders,
    // so a file planted there would run instead. The program's own folder is still searched.
    SetEnvironmentVariableW(L"NoDefaultCurrentDirectoryInExePath", L"1");

    std::wstring commandLine = L"\"" + widen(fileName) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process) == FALSE) {
        const std::string reason = systemErrorText(GetLastError());
        std::fprintf(stderr, "kebo: cannot start %.*s: %s\n", static_cast<int>(fileName.size()),
                     fileName.data(), reason.c_str());
        std::fflush(stderr);
        return;
    }
    // The launcher has the focus; let the started program's window take it.
    AllowSetForegroundWindow(process.dwProcessId);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace kebo::win32

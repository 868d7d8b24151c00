#include "platform/win32/program_start.h"

#include <windows.h>

#include "platform/win32/system_error.h"
#include "platform/win32/wide_text.h"

namespace kebo::win32 {

namespace {

constexpr wchar_t kNoCurrentDirectory[] = L"NoDefaultCurrentDirectoryInExePath";

// The process's environment block: NAME=VALUE strings, each ending in a zero, then one more.
std::wstring environmentBlock() {
    wchar_t* strings = GetEnvironmentStringsW();
    const wchar_t* const first = strings;
    const wchar_t* end = first;
    while (*end != L'\0') {
        end += std::wstring_view(end).size() + 1;
    }
    std::wstring block(first, end + 1);
    FreeEnvironmentStringsW(strings);
    return block;
}

std::optional<std::wstring> variable(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) {
        return std::nullopt;
    }
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return value;
}

}  // namespace

std::optional<std::string> startProgram(std::string_view fileName) {
    // Without this the program search looks in the current directory before the system folders,
    // so a file planted there would run instead; the program's own folder is still searched.
    // CreateProcess reads it from the launcher's own environment, so it is set only around the
    // call, and the program gets the environment as it was before.
    std::wstring environment = environmentBlock();
    const std::optional<std::wstring> previous = variable(kNoCurrentDirectory);
    SetEnvironmentVariableW(kNoCurrentDirectory, L"1");

    std::wstring commandLine = L"\"" + widen(fileName) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                       CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr, &startup, &process);
    const DWORD error = GetLastError();
    SetEnvironmentVariableW(kNoCurrentDirectory, previous ? previous->c_str() : nullptr);
    if (started == FALSE) {
        return systemErrorText(error);
    }
    // The launcher has the focus; let the started program's window take it.
    AllowSetForegroundWindow(process.dwProcessId);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return std::nullopt;
}

}  // namespace kebo::win32

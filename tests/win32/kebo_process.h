// One run of kebo.exe for the end-to-end tests: the program copied to a folder of its own and
// started with a subfolder of it as its current directory, the stub NOTEPAD.EXE copied beside the
// program or into the current directory, and everything removed again afterwards.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace kebo::win32::end_to_end {

// Polls `done` every 10 ms until it is true or `timeout` has passed; returns its last answer.
bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout);

// The visible top-level window with the launcher's caption of process `processId`, or null.
HWND findLauncherWindow(DWORD processId);

enum class NotepadPlace { ProgramFolder, CurrentDirectory };

class KeboProcess {
public:
    explicit KeboProcess(NotepadPlace notepadPlace = NotepadPlace::ProgramFolder);
    KeboProcess(const KeboProcess&) = delete;
    KeboProcess& operator=(const KeboProcess&) = delete;
    ~KeboProcess();

    DWORD id() const { return process_.dwProcessId; }
    // The visible top-level window with the launcher's caption, or null.
    HWND launcherWindow() const;
    // The exit code once the process has ended within `timeout`.
    std::optional<DWORD> waitForExit(std::chrono::milliseconds timeout) const;
    // What the stub NOTEPAD.EXE wrote when it ran ("started, show N"), empty before.
    std::string notepadMarker() const;

private:
    std::wstring folder_;
    std::wstring currentDirectory_;
    std::wstring notepadFolder_;
    PROCESS_INFORMATION process_{};
};

}  // namespace kebo::win32::end_to_end

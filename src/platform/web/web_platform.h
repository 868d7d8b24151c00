// The launcher's platform in a web browser: the page is the desktop. The window, its controls, the
// message boxes and the programs are drawn by the page (page/); this backend hands the page the
// launcher's requests and the launcher what happens on the page, runs the timers, and keeps the
// page's virtual folders.
#pragma once

#include <optional>
#include <string>

#include "platform/clock_seeded_random.h"
#include "platform/launcher_events.h"
#include "platform/platform.h"
#include "platform/web/virtual_folders.h"

namespace kebo::web {

class WebPlatform final : public Platform {
public:
    // Builds the window on the page, hidden, at the size it has as loaded.
    WebPlatform();

    // Where the page's events go from now on.
    void attach(LauncherEvents& launcher);

    // A CSS pixel is 1/96 inch.
    double twipsPerPixel() const override { return 15; }
    PixelRect workArea() const override;
    void placeWindow(const PixelRect& outer) override;
    void showWindow() override;
    void minimiseWindow() override;
    void setBusyPointer(bool busy) override;
    void setButtonEnabled(bool enabled) override;
    void setProgressVisible(bool visible) override;
    void setProgressValue(int value) override;
    void setBusyLabelVisible(bool visible) override;
    void startTimer(Animation animation, int periodMs) override;
    void stopTimer(Animation animation) override;
    Answer showBox(const Box& box) override;
    std::string folderPath(Folder folder) override { return folders_.path(folder); }
    char directorySeparator() const override { return VirtualFolders::kSeparator; }
    std::string programFile(Program program) override;
    bool fileExists(const std::string& fullPath) override { return folders_.contains(fullPath); }
    std::optional<std::string> startProgram(Program program) override;
    void reseedRandom() override;
    double nextRandom() override { return random_.next(); }
    void endProgram() override;

private:
    VirtualFolders folders_;
    ClockSeededRandom random_;
};

}  // namespace kebo::web

// What the launcher asks of the platform it runs on, in the launcher's own words: the window and
// its controls, the animations' timers, message boxes, the folders and programs it starts, a
// random generator and the end of the program. A backend turns each request into its toolkit's
// calls and decides nothing: what the launcher does, and when, is decided above it. What happens
// on the platform comes back through the other direction, launcher_events.h.
#pragma once

#include <optional>
#include <string>

#include "platform/launcher_description.h"
#include "platform/twips.h"

namespace kebo {

// Each animation has a timer of its own.
enum class Animation { Opening, Progress, Farewell };
inline constexpr std::size_t kAnimationCount = 3;

// The two folders where a paint program is looked for: Windows' own folder and its system
// folder, or what stands for them elsewhere.
enum class Folder { Windows, System };

// The programs a launch ends with.
enum class Program { TextEditor, Paint, SimplePaint };

class Platform {
public:
    Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;
    virtual ~Platform() = default;

    // 1440 twips per inch at the window's logical DPI.
    virtual double twipsPerPixel() const = 0;
    // The screen without the desktop's panels, in pixels.
    virtual PixelRect workArea() const = 0;
    // Moves and resizes the window's outer rectangle, frame included, in one change. Where the
    // windowing system lets the program fix the size for the user, it is fixed at this size.
    virtual void placeWindow(const PixelRect& outer) = 0;
    virtual void showWindow() = 0;
    virtual void minimiseWindow() = 0;

    virtual void setBusyPointer(bool busy) = 0;
    virtual void setButtonEnabled(bool enabled) = 0;
    virtual void setProgressVisible(bool visible) = 0;
    // 0 to window::kProgressMax.
    virtual void setProgressValue(int value) = 0;
    virtual void setBusyLabelVisible(bool visible) = 0;

    // Ticks every `periodMs` from now on, restarting the period; never more often than the
    // launcher asks.
    virtual void startTimer(Animation animation, int periodMs) = 0;
    virtual void stopTimer(Animation animation) = 0;

    // Shows the box modally over the window, captioned boxes::kCaption, and returns the answer
    // once the user has given it. Events keep coming meanwhile.
    virtual Answer showBox(const Box& box) = 0;

    // Where the folder is: a path without a separator at its end.
    virtual std::string folderPath(Folder folder) = 0;
    virtual char directorySeparator() const = 0;
    // The file name that stands for the program here.
    virtual std::string programFile(Program program) = 0;
    // True exactly when a file exists at the full path.
    virtual bool fileExists(const std::string& fullPath) = 0;
    // Starts the program, found by the platform's program search, in a normal window that may take
    // the focus, and returns at once. When it cannot be started, returns the system's reason
    // (UTF-8, one line), and reports it nowhere itself.
    virtual std::optional<std::string> startProgram(Program program) = 0;

    // Re-seeds the generator from a clock fine enough that re-seeds 10 ms apart differ.
    virtual void reseedRandom() = 0;
    // Uniform, 0 <= r < 1.
    virtual double nextRandom() = 0;

    // Ends the program at once: no further events.
    virtual void endProgram() = 0;
};

}  // namespace kebo

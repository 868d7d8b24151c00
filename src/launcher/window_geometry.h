// The window's outer geometry: the record in twips that the handlers write and read back, the
// pixel rectangles handed to the window, and what the windowing system reports back.
#pragma once

#include <deque>
#include <optional>

#include "platform/twips.h"

namespace kebo {

class WindowGeometry {
public:
    const TwipsRect& record() const { return record_; }
    // A handler's write. The window gets it at the next toApply, so that the four writes of an
    // animation step reach it as one change.
    void write(const TwipsRect& rect);
    // The record in whole pixels, when it was written since the last call and the window has not
    // been given that rectangle already; from then on it counts as applied.
    std::optional<PixelRect> toApply(double twipsPerPixel);
    // Takes in the outer rectangle the windowing system reports for the window.
    void reported(const PixelRect& outer, double twipsPerPixel);
    // A new DPI: the window keeps its size in twips, so that it keeps its size in inches, and takes
    // the place the windowing system suggests, in pixels of the new scale. Written, to be applied.
    void rescaled(const PixelRect& suggested, double twipsPerPixel);

private:
    void remember(const PixelRect& rect, double twipsPerPixel);

    TwipsRect record_;
    bool written_ = false;
    // The rectangles the window was given, or was reported to have, that the windowing system
    // may still report back, oldest first; the last is the window's newest. X11 reports a
    // change only after the program may have made the next ones.
    std::deque<PixelRect> known_;
    double knownScale_ = 0;  // twips per pixel of the rectangles in known_
};

}  // namespace kebo

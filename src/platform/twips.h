#pragma once

#include <cmath>

namespace kebo {

// Twips are 1/1440 inch; at 96 logical DPI a pixel is 15 twips. Geometry asked for in twips is
// rounded to the nearest whole pixel, as the window can only take whole pixels.
inline double twipsPerPixel(double logicalDpi) {
    return 1440.0 / logicalDpi;
}

inline int twipsToPixels(int twips, double perPixel) {
    return static_cast<int>(std::lround(twips / perPixel));
}

inline int pixelsToTwips(int pixels, double perPixel) {
    return static_cast<int>(std::lround(pixels * perPixel));
}

}  // namespace kebo

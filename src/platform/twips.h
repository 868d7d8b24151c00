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

// The window's outer rectangle in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipsRect&) const = default;
};

// The window's outer rectangle in whole pixels of the windowing system.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// The edges are rounded, not the sizes: a window that grows by 100 twips and moves left by 50
// then gains the same number of pixels on either side, give or take one, and stays centred.
inline PixelRect toPixels(const TwipsRect& rect, double perPixel) {
    const int left = twipsToPixels(rect.left, perPixel);
    const int top = twipsToPixels(rect.top, perPixel);
    return {left, top, twipsToPixels(rect.left + rect.width, perPixel) - left,
            twipsToPixels(rect.top + rect.height, perPixel) - top};
}

}  // namespace kebo

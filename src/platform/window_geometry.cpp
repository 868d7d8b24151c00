#include "platform/window_geometry.h"

#include <algorithm>
#include <utility>

namespace kebo {

namespace {

// How many rectangles may still be on their way back: more than half a second of animation
// steps, far more than any windowing system lags behind.
constexpr std::size_t kMostInFlight = 64;

bool samePlace(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top;
}

bool sameSize(const PixelRect& a, const PixelRect& b) {
    return a.width == b.width && a.height == b.height;
}

// The newest rectangle in `known` that `matches`, as an index; none when there is none.
template <typename Matches>
std::optional<std::size_t> newestMatch(const std::deque<PixelRect>& known, Matches matches) {
    for (std::size_t i = known.size(); i-- > 0;) {
        if (matches(known[i])) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace

void WindowGeometry::write(const TwipsRect& rect) {
    record_ = rect;
    written_ = true;
}

std::optional<PixelRect> WindowGeometry::toApply(double twipsPerPixel) {
    if (!std::exchange(written_, false)) {
        return std::nullopt;
    }
    const PixelRect rect = toPixels(record_, twipsPerPixel);
    if (!known_.empty() && known_.back() == rect && knownScale_ == twipsPerPixel) {
        return std::nullopt;
    }
    remember(rect, twipsPerPixel);
    return rect;
}

std::optional<PixelRect> WindowGeometry::reported(const PixelRect& outer, double twipsPerPixel) {
    if (known_.empty()) {
        takeOver(outer, true, true, twipsPerPixel);
        return std::nullopt;
    }
    if (twipsPerPixel != knownScale_) {
        // A new DPI: the window keeps its size in twips, so that it keeps its size in inches, and
        // takes the place the windowing system gives it, in pixels of the new scale.
        record_.left = pixelsToTwips(outer.left, twipsPerPixel);
        record_.top = pixelsToTwips(outer.top, twipsPerPixel);
        written_ = true;
        return toApply(twipsPerPixel);
    }
    if (outer == known_.back()) {
        // The window has caught up: nothing older can be reported any more.
        known_.erase(known_.begin(), known_.end() - 1);
        return std::nullopt;
    }
    const auto place = newestMatch(known_, [&](const PixelRect& r) { return samePlace(r, outer); });
    const auto size = newestMatch(known_, [&](const PixelRect& r) { return sameSize(r, outer); });
    const std::size_t newest = known_.size() - 1;
    if ((place && *place < newest) || (size && *size < newest)) {
        // A late report of an earlier change: X11 reports one after the program may have made
        // the next ones, and Qt may give the place as it is now with the size as it was then.
        // Whatever became of the newest change is reported after it.
        known_.erase(known_.begin(),
                     known_.begin() + static_cast<std::ptrdiff_t>(
                                          std::min(place.value_or(newest), size.value_or(newest))));
        return std::nullopt;
    }
    // Changed from outside: moved by the user or the window manager, held at a minimum size.
    // The changes made before may still be reported late, and are known as such.
    takeOver(outer, !place, !size, twipsPerPixel);
    return std::nullopt;
}

void WindowGeometry::takeOver(const PixelRect& outer, bool place, bool size, double twipsPerPixel) {
    if (place) {
        record_.left = pixelsToTwips(outer.left, twipsPerPixel);
        record_.top = pixelsToTwips(outer.top, twipsPerPixel);
    }
    if (size) {
        record_.width = pixelsToTwips(outer.width, twipsPerPixel);
        record_.height = pixelsToTwips(outer.height, twipsPerPixel);
    }
    remember(outer, twipsPerPixel);
}

void WindowGeometry::remember(const PixelRect& rect, double twipsPerPixel) {
    if (twipsPerPixel != knownScale_) {
        known_.clear();
        knownScale_ = twipsPerPixel;
    }
    known_.push_back(rect);
    if (known_.size() > kMostInFlight) {
        known_.pop_front();
    }
}

}  // namespace kebo

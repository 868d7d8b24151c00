#include "launcher/window_geometry.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kebo {

namespace {

// How many rectangles may still be on their way back: more than half a second of animation
// steps, far more than any windowing system lags behind.
constexpr std::size_t kMostInFlight = 64;

// The parts of a rectangle that a report may take over one by one, in pixels and in twips.
constexpr std::array<int PixelRect::*, 4> kParts{&PixelRect::left, &PixelRect::top,
                                                 &PixelRect::width, &PixelRect::height};
constexpr std::array<int TwipsRect::*, 4> kRecordParts{&TwipsRect::left, &TwipsRect::top,
                                                       &TwipsRect::width, &TwipsRect::height};

// The newest rectangle in `known` whose `part` is the report's, as an index; none when there is
// none.
std::optional<std::size_t> newestWith(const std::deque<PixelRect>& known, int PixelRect::*part,
                                      const PixelRect& report) {
    for (std::size_t i = known.size(); i-- > 0;) {
        if (known[i].*part == report.*part) {
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

void WindowGeometry::reported(const PixelRect& outer, double twipsPerPixel) {
    if (!known_.empty() && outer == known_.back()) {
        // The window has caught up: nothing older can be reported any more.
        known_.erase(known_.begin(), known_.end() - 1);
        return;
    }
    // Each edge and each size on its own. X11 reports a change only after the program may have
    // made the next ones, and may give the place of one change with the size of another: a part
    // that some change of the program's had is a late report of it, and whatever became of the
    // newer changes is reported after it. A part that none had was changed from outside: moved by
    // the user or the window manager, held at a minimum size, which may hold one size and let the
    // other grow; and so was a part held at an earlier value while the rest is the newest change.
    const std::size_t newest = known_.empty() ? 0 : known_.size() - 1;
    std::array<std::optional<std::size_t>, kParts.size()> matches;
    for (std::size_t i = 0; i < kParts.size(); ++i) {
        matches[i] = newestWith(known_, kParts[i], outer);
    }
    std::array<bool, kParts.size()> outside{};
    std::size_t oldest = newest;
    for (std::size_t i = 0; i < kParts.size(); ++i) {
        bool restNewest = true;
        for (std::size_t j = 0; j < kParts.size(); ++j) {
            restNewest = restNewest && (j == i || matches[j] == newest);
        }
        outside[i] = !matches[i] || (*matches[i] < newest && restNewest);
        if (!outside[i]) {
            oldest = std::min(oldest, *matches[i]);
        }
    }
    known_.erase(known_.begin(), known_.begin() + static_cast<std::ptrdiff_t>(oldest));
    if (std::find(outside.begin(), outside.end(), true) == outside.end()) {
        return;
    }
    for (std::size_t i = 0; i < kParts.size(); ++i) {
        if (outside[i]) {
            record_.*kRecordParts[i] = pixelsToTwips(outer.*kParts[i], twipsPerPixel);
        }
    }
    // The changes made before may still be reported late, and are known as such.
    remember(outer, twipsPerPixel);
}

void WindowGeometry::rescaled(const PixelRect& suggested, double twipsPerPixel) {
    record_.left = pixelsToTwips(suggested.left, twipsPerPixel);
    record_.top = pixelsToTwips(suggested.top, twipsPerPixel);
    written_ = true;
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

#include "base/window_bounds.h"

#include <algorithm>
#include <cstdint>

namespace base {
namespace {

// Edges in 64 bits: a stored left of INT_MAX plus a width must not wrap.
struct Span64 {
    std::int64_t low;
    std::int64_t high;
};

std::int64_t overlap(Span64 a, Span64 b) { return std::max<std::int64_t>(0, std::min(a.high, b.high) - std::max(a.low, b.low)); }

Span64 across(const WindowBounds& b) { return {b.left, std::int64_t{b.left} + std::max(b.width, 0)}; }
Span64 down(const WindowBounds& b) { return {b.top, std::int64_t{b.top} + std::max(b.height, 0)}; }

bool holds(const WindowBounds& area, std::int64_t x, std::int64_t y) {
    const auto h = across(area);
    const auto v = down(area);
    return x >= h.low && x < h.high && y >= v.low && y < v.high;
}

const WindowBounds& screenFor(const WindowBounds& stored, std::span<const WindowBounds> screens) {
    const std::int64_t centreX = (across(stored).low + across(stored).high) / 2;
    const std::int64_t centreY = (down(stored).low + down(stored).high) / 2;
    for (const auto& area : screens)
        if (holds(area, centreX, centreY)) return area;
    const WindowBounds* best = &screens.front();
    std::int64_t bestShared = 0;
    for (const auto& area : screens) {
        const auto shared = overlap(across(stored), across(area)) * overlap(down(stored), down(area));
        if (shared > bestShared) {
            bestShared = shared;
            best = &area;
        }
    }
    return *best;
}

// One axis: the size within [minimum, room], then the start so that the
// window lies within [areaStart, areaStart + room).
void fitAxis(int& start, int& size, int areaStart, int room, int minimum) {
    room = std::max(room, 1);
    size = std::clamp(size, std::clamp(minimum, 1, room), room);
    const std::int64_t last = std::int64_t{areaStart} + room - size;
    start = static_cast<int>(std::clamp<std::int64_t>(start, areaStart, last));
}

}  // namespace

WindowBounds fitToScreens(WindowBounds stored, std::span<const WindowBounds> screens, int minimumWidth,
                          int minimumHeight) {
    if (screens.empty()) return stored;
    const WindowBounds& area = screenFor(stored, screens);
    fitAxis(stored.left, stored.width, area.left, area.width, minimumWidth);
    fitAxis(stored.top, stored.height, area.top, area.height, minimumHeight);
    return stored;
}

}  // namespace base

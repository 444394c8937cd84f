#pragma once
// Where ticks and keys lie on the roll's note area, and back: x grows with
// the tick from the scroll position, y grows downwards from key 127. Zooming
// keeps the tick (or key) under a given point where it is.
#include <algorithm>
#include <cstdint>

namespace roll {

struct Geometry {
    double pixelsPerTick = 0.1;
    int keyHeight = 10;             // pixels per key
    std::uint64_t firstTick = 0;    // the tick at x = 0
    int top = 0;                    // the pixel of key 127's top edge above y = 0

    static constexpr int kKeys = 128;
    static constexpr double kMinPixelsPerTick = 1.0 / 4096;
    static constexpr double kMaxPixelsPerTick = 16;
    static constexpr int kMinKeyHeight = 3;
    static constexpr int kMaxKeyHeight = 40;

    double x(std::uint64_t tick) const { return (static_cast<double>(tick) - static_cast<double>(firstTick)) * pixelsPerTick; }
    // The tick at pixel x, never below 0.
    std::uint64_t tick(double px) const {
        const double t = static_cast<double>(firstTick) + px / pixelsPerTick;
        return t <= 0 ? 0 : static_cast<std::uint64_t>(t + 1e-9);
    }
    // The top edge of the key's row.
    int y(int key) const { return (127 - key) * keyHeight - top; }
    // The key whose row holds pixel y, within 0 to 127.
    int key(int py) const {
        const int row = (py + top) >= 0 ? (py + top) / keyHeight : -1;
        return std::clamp(127 - row, 0, 127);
    }
    int fullHeight() const { return kKeys * keyHeight; }

    // Zooms time by `factor` keeping the tick at pixel `anchorX` in place.
    void zoomTime(double factor, double anchorX) {
        const double anchor = static_cast<double>(firstTick) + anchorX / pixelsPerTick;
        pixelsPerTick = std::clamp(pixelsPerTick * factor, kMinPixelsPerTick, kMaxPixelsPerTick);
        const double first = anchor - anchorX / pixelsPerTick;
        firstTick = first <= 0 ? 0 : static_cast<std::uint64_t>(first + 0.5);
    }
    // Sets the key height keeping the key at pixel `anchorY` in place.
    void zoomKeys(int height, int anchorY) {
        const double keyRow = static_cast<double>(anchorY + top) / keyHeight;
        keyHeight = std::clamp(height, kMinKeyHeight, kMaxKeyHeight);
        top = std::max(0, static_cast<int>(keyRow * keyHeight + 0.5) - anchorY);
    }
};

}  // namespace roll

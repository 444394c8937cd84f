#include "roll/ui/channel_colours.h"

#include <algorithm>
#include <array>

namespace roll::ui {

QColor channelColour(int channel) {
    // Hues far apart for neighbouring channels; drums (channel 10) in grey-blue.
    // Made once: the painter asks for a colour per note drawn.
    static const auto table = [] {
        static constexpr std::array<int, 16> kHues{0, 30, 55, 120, 175, 205, 240, 275, 305, 215, 330, 90, 150, 190, 20, 260};
        std::array<QColor, 16> colours;
        for (int c = 0; c < 16; ++c)
            colours[static_cast<std::size_t>(c)] = c == 9 ? QColor::fromHsv(kHues[9], 60, 150)
                                                          : QColor::fromHsv(kHues[static_cast<std::size_t>(c)], 200, c >= 8 ? 170 : 215);
        return colours;
    }();
    return table[static_cast<std::size_t>(channel & 15)];
}

QColor outlineColour(int channel) {
    static const auto table = [] {
        std::array<QColor, 16> colours;
        for (int c = 0; c < 16; ++c) colours[static_cast<std::size_t>(c)] = channelColour(c).darker(150);
        return colours;
    }();
    return table[static_cast<std::size_t>(channel & 15)];
}

QColor noteColour(int channel, int velocity) {
    // Made once: the painter asks for a colour per note drawn.
    static const auto table = [] {
        std::array<QRgb, 16 * 128> colours{};
        for (int c = 0; c < 16; ++c) {
            const QColor full = channelColour(c);
            for (int v = 0; v < 128; ++v) {
                const double pale = 0.65 * (1.0 - v / 127.0);
                const auto mix = [&](int x) { return static_cast<int>(x + (255 - x) * pale); };
                colours[static_cast<std::size_t>(c * 128 + v)] = qRgb(mix(full.red()), mix(full.green()), mix(full.blue()));
            }
        }
        return colours;
    }();
    return QColor::fromRgb(table[static_cast<std::size_t>((channel & 15) * 128 + std::clamp(velocity, 0, 127))]);
}

}  // namespace roll::ui

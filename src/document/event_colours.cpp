#include "document/event_colours.h"

#include <cstddef>

namespace document {

const ColourTable& builtinColours() {
    // Values as the settings file stores them (0xBBGGRR): background, text.
    static const ColourTable table = [] {
        constexpr std::array<std::array<int, 2>, kColourClassCount> values{{
            {0xFFFFFF, 0x000000}, {0xE8E8E8, 0xFF0000}, {0xFF00FF, 0x000000}, {0xC68CFF, 0x000000},
            {0x00FFFF, 0x000000}, {0x4080FF, 0x000000}, {0x00FF00, 0x000000}, {0xFFFF00, 0xFF0000},
            {0x000000, 0xFFFFFF}, {0x9799FF, 0x000000}, {0x0000FF, 0x000000}, {0xFF8080, 0xFFFFFF},
            {0xE2E2E2, 0x0000FF}, {0x7FC7C7, 0x000000}, {0xFF00FF, 0x000000}, {0xFF00FF, 0x000000},
            {0xFF0000, 0xFFFFFF}, {0xC0C0C0, 0xFF0000}, {0xF0F0FF, 0x000000},
        }};
        ColourTable t{};
        for (int k = 0; k < kColourClassCount; ++k) {
            const auto& pair = values[static_cast<std::size_t>(k)];
            t[static_cast<std::size_t>(k)] = {pair[0], pair[1]};
        }
        return t;
    }();
    return table;
}

}  // namespace document

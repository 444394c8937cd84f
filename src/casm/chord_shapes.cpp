#include "casm/chord_shapes.h"

#include <array>
#include <vector>

namespace casm {
namespace {

const std::array<std::vector<int>, 34>& shapes() {
    static const std::array<std::vector<int>, 34> table = {{
        {0, 4, 7},          // Maj
        {0, 4, 7, 9},       // Maj6
        {0, 4, 7, 11},      // Maj7
        {0, 4, 7, 11, 18},  // Maj7(#11)
        {0, 4, 7, 14},      // Maj(9)
        {0, 4, 7, 11, 14},  // Maj7(9)
        {0, 4, 7, 9, 14},   // Maj6(9)
        {0, 4, 8},          // aug
        {0, 3, 7},          // min
        {0, 3, 7, 9},       // min6
        {0, 3, 7, 10},      // min7
        {0, 3, 6, 10},      // min7b5
        {0, 3, 7, 14},      // min(9)
        {0, 3, 7, 10, 14},  // min7(9)
        {0, 3, 7, 10, 17},  // min7(11)
        {0, 3, 7, 11},      // minMaj7
        {0, 3, 7, 11, 14},  // minMaj7(9)
        {0, 3, 6},          // dim
        {0, 3, 6, 9},       // dim7
        {0, 4, 7, 10},      // 7
        {0, 5, 7, 10},      // 7sus4
        {0, 4, 6, 10},      // 7b5
        {0, 4, 7, 10, 14},  // 7(9)
        {0, 4, 7, 10, 18},  // 7(#11)
        {0, 4, 7, 10, 21},  // 7(13)
        {0, 4, 7, 10, 13},  // 7(b9)
        {0, 4, 7, 10, 20},  // 7(b13)
        {0, 4, 7, 10, 15},  // 7(#9)
        {0, 4, 8, 11},      // Maj7aug
        {0, 4, 8, 10},      // 7aug
        {0, 12},            // 1+8
        {0, 7},             // 1+5
        {0, 5, 7},          // sus4
        {0, 2, 7},          // 1+2+5
    }};
    return table;
}

}  // namespace

std::span<const int> chordIntervals(int type) {
    if (type < 0 || type >= 34) return {};
    return shapes()[static_cast<std::size_t>(type)];
}

}  // namespace casm

#include "chords/choices.h"

#include "chords/chord_types.h"

namespace chords::choices {
namespace {

struct Row {
    DegreeRow scale;
    DegreeRow chord;
};

// Degrees 1 9 3 11 5 13 7, one row per CASM type.
constexpr std::array<Row, kTypeCount> kRows = {{
    {{0, 2, 4, 5, 7, 9, 11}, {0, 2, 4, 4, 7, 9, 12}},   // Maj
    {{0, 2, 4, 5, 7, 9, 11}, {0, 2, 4, 4, 7, 9, 9}},    // Maj6
    {{0, 2, 4, 5, 7, 9, 11}, {0, 2, 4, 4, 7, 9, 11}},   // Maj7
    {{0, 2, 4, 6, 7, 9, 11}, {0, 2, 4, 6, 7, 9, 11}},   // Maj7(#11)
    {{0, 2, 4, 5, 7, 9, 11}, {0, 2, 4, 4, 7, 9, 12}},   // Maj(9)
    {{0, 2, 4, 5, 7, 9, 11}, {0, 2, 4, 4, 7, 9, 11}},   // Maj7(9)
    {{0, 2, 4, 5, 7, 9, 11}, {0, 2, 4, 4, 7, 9, 9}},    // Maj6(9)
    {{0, 2, 4, 5, 8, 9, 11}, {0, 2, 4, 4, 8, 9, 12}},   // aug
    {{0, 2, 3, 5, 7, 9, 10}, {0, 2, 3, 5, 7, 9, 12}},   // min
    {{0, 2, 3, 5, 7, 9, 10}, {0, 2, 3, 5, 7, 9, 9}},    // min6
    {{0, 2, 3, 5, 7, 9, 10}, {0, 2, 3, 5, 7, 9, 10}},   // min7
    {{0, 2, 3, 5, 6, 8, 10}, {0, 2, 3, 5, 6, 8, 10}},   // min7b5
    {{0, 2, 3, 5, 7, 9, 10}, {0, 2, 3, 5, 7, 9, 12}},   // min(9)
    {{0, 2, 3, 5, 7, 9, 10}, {0, 2, 3, 5, 7, 9, 10}},   // min7(9)
    {{0, 2, 3, 5, 7, 9, 10}, {0, 2, 3, 5, 7, 9, 10}},   // min7(11)
    {{0, 2, 3, 5, 7, 9, 11}, {0, 2, 3, 5, 7, 9, 11}},   // minMaj7
    {{0, 2, 3, 5, 7, 9, 11}, {0, 2, 3, 5, 7, 9, 11}},   // minMaj7(9)
    {{0, 2, 3, 5, 6, 8, 9}, {0, 2, 3, 5, 6, 8, 12}},    // dim
    {{0, 2, 3, 5, 6, 8, 9}, {0, 2, 3, 5, 6, 9, 9}},     // dim7
    {{0, 2, 4, 5, 7, 9, 10}, {0, 2, 4, 4, 7, 9, 10}},   // 7
    {{0, 2, 5, 5, 7, 9, 10}, {0, 2, 5, 5, 7, 9, 10}},   // 7sus4
    {{0, 2, 4, 5, 6, 9, 10}, {0, 2, 4, 4, 6, 9, 10}},   // 7b5
    {{0, 2, 4, 5, 7, 9, 10}, {0, 2, 4, 4, 7, 9, 10}},   // 7(9)
    {{0, 2, 4, 6, 7, 9, 10}, {0, 2, 4, 6, 7, 9, 10}},   // 7(#11)
    {{0, 2, 4, 5, 7, 9, 10}, {0, 2, 4, 4, 7, 9, 10}},   // 7(13)
    {{0, 1, 4, 5, 7, 9, 10}, {0, 1, 4, 4, 7, 9, 10}},   // 7(b9)
    {{0, 2, 4, 5, 7, 8, 10}, {0, 2, 4, 4, 7, 8, 10}},   // 7(b13)
    {{0, 3, 4, 5, 7, 9, 10}, {0, 3, 4, 4, 7, 9, 10}},   // 7(#9)
    {{0, 2, 4, 6, 8, 9, 11}, {0, 2, 4, 4, 8, 9, 11}},   // Maj7aug
    {{0, 2, 4, 5, 8, 9, 10}, {0, 2, 4, 4, 8, 9, 10}},   // 7aug
    {{0, 2, 4, 5, 7, 9, 11}, {0, 0, 0, 0, 12, 12, 12}},  // 1+8
    {{0, 2, 4, 5, 7, 9, 11}, {0, 0, 7, 7, 7, 7, 12}},   // 1+5
    {{0, 2, 5, 5, 7, 9, 11}, {0, 2, 5, 5, 7, 9, 12}},   // sus4
    {{0, 2, 2, 5, 7, 9, 11}, {0, 2, 2, 5, 7, 9, 12}},   // 1+2+5
}};

const Row& row(int type) { return kRows[static_cast<std::size_t>(sourceType(type))]; }

}  // namespace

const DegreeRow& melodyScale(int type) { return row(type).scale; }
const DegreeRow& chordTable(int type) { return row(type).chord; }

Degree degreeOf(int interval, const DegreeRow& scale) {
    Degree degree;
    for (int k = 1; k < 7; ++k)
        if (scale[static_cast<std::size_t>(k)] <= interval &&
            scale[static_cast<std::size_t>(k)] > scale[static_cast<std::size_t>(degree.index)])
            degree.index = k;
    degree.offset = interval - scale[static_cast<std::size_t>(degree.index)];
    return degree;
}

int snap(int pitch, int allowed) {
    if ((allowed & 0xFFF) == 0) return pitch;
    for (int distance = 0;; ++distance) {
        if ((allowed >> ((pitch + distance) % 12) & 1) != 0) return pitch + distance;
        if ((allowed >> ((pitch - distance + 1200) % 12) & 1) != 0) return pitch - distance;
    }
}

}  // namespace chords::choices

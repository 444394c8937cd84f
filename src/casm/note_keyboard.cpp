#include "casm/note_keyboard.h"

namespace casm {

const std::array<KeyArea, 12>& keyAreas() {
    static constexpr std::array<KeyArea, 12> areas{{
        {1, 64, "C", false},
        {5, 20, "C#", true},
        {9, 64, "D", false},
        {13, 20, "D#", true},
        {17, 64, "E", false},
        {25, 64, "F", false},
        {29, 20, "F#", true},
        {33, 64, "G", false},
        {37, 20, "G#", true},
        {41, 64, "A", false},
        {45, 20, "A#", true},
        {49, 64, "B", false},
    }};
    return areas;
}

std::optional<int> noteAt(int x, int y) {
    if (x < 0 || y < kKeysTop) return std::nullopt;
    const int octave = x / kOctaveWidth;
    const int offset = x % kOctaveWidth;
    const auto& areas = keyAreas();
    auto inColumn = [offset](const KeyArea& key) { return offset >= key.x && offset < key.x + kKeyAreaWidth; };
    auto note = [octave](std::size_t key) -> std::optional<int> {
        const int n = octave * 12 + static_cast<int>(key);
        if (n > 127) return std::nullopt;  // right of the highest note
        return n;
    };
    for (std::size_t k = 0; k < areas.size(); ++k)
        if (inColumn(areas[k]) && y >= areas[k].y && y < areas[k].y + kKeyAreaHeight) return note(k);
    for (std::size_t k = 0; k < areas.size(); ++k)
        if (!areas[k].black && inColumn(areas[k])) return note(k);
    return std::nullopt;
}

Rect markRect(int note) {
    const auto& key = keyAreas()[static_cast<std::size_t>((note & 127) % 12)];
    const int left = (note & 127) / 12 * kOctaveWidth + key.x;
    return {left, key.y, left + kMarkWidth, key.y + kMarkHeight};
}

bool isBlackKey(int note) { return keyAreas()[static_cast<std::size_t>((note & 127) % 12)].black; }

std::string noteLabel(int note) {
    note &= 127;
    return std::string(keyAreas()[static_cast<std::size_t>(note % 12)].name) + std::to_string(note / 12);
}

}  // namespace casm

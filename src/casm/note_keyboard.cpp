#include "casm/note_keyboard.h"

#include <array>
#include <string_view>

namespace casm {
namespace {

struct KeyOfOctave {
    std::string_view name;
    int x;
    bool black;
};

constexpr std::array<KeyOfOctave, 12> kKeys = {{{"C", 1, false},
                                                {"C#", 5, true},
                                                {"D", 9, false},
                                                {"D#", 13, true},
                                                {"E", 17, false},
                                                {"F", 25, false},
                                                {"F#", 29, true},
                                                {"G", 33, false},
                                                {"G#", 37, true},
                                                {"A", 41, false},
                                                {"A#", 45, true},
                                                {"B", 49, false}}};

std::optional<int> noteOf(int octave, std::size_t key) {
    const int note = octave * 12 + static_cast<int>(key);
    if (note < 0 || note > 127) return std::nullopt;
    return note;
}

}  // namespace

bool isBlackKey(int note) { return kKeys[static_cast<std::size_t>(((note % 12) + 12) % 12)].black; }

KeyArea keyArea(int note) {
    const auto& key = kKeys[static_cast<std::size_t>(((note % 12) + 12) % 12)];
    return {kOctaveWidth * (note / 12) + key.x, key.black ? kBlackKeyTop : kWhiteKeyTop, key.black};
}

std::optional<int> noteAt(int x, int y) {
    if (x < 0 || y < kKeyboardTop) return std::nullopt;
    const int octave = x / kOctaveWidth;
    const int offset = x % kOctaveWidth;
    for (std::size_t k = 0; k < kKeys.size(); ++k) {
        const int top = kKeys[k].black ? kBlackKeyTop : kWhiteKeyTop;
        if (offset >= kKeys[k].x && offset < kKeys[k].x + kKeyWidth && y >= top && y < top + kKeyAreaHeight)
            return noteOf(octave, k);
    }
    for (std::size_t k = 0; k < kKeys.size(); ++k)
        if (!kKeys[k].black && offset >= kKeys[k].x && offset < kKeys[k].x + kKeyWidth) return noteOf(octave, k);
    return std::nullopt;
}

std::string noteWithOctave(int note) {
    if (note < 0 || note > 127) return {};
    return std::string(kKeys[static_cast<std::size_t>(note % 12)].name) + std::to_string(note / 12);
}

}  // namespace casm

#pragma once
// The keyboard picture of the note picker: notes 0 to 127 on a picture of
// 601 by 100 pixels, one octave 56 pixels wide. Where each key's area lies,
// which note a point hits, and the note names the picker shows.
#include <optional>
#include <string>

namespace casm {

inline constexpr int kKeyboardWidth = 601;
inline constexpr int kKeyboardHeight = 100;
inline constexpr int kOctaveWidth = 56;
inline constexpr int kKeyWidth = 8;          // the hit area of a key
inline constexpr int kBlackKeyTop = 20;      // y of the black keys' areas
inline constexpr int kWhiteKeyTop = 64;      // y of the white keys' areas
inline constexpr int kKeyAreaHeight = 40;
inline constexpr int kKeyboardTop = 19;      // above this no key is hit
inline constexpr int kMarkWidth = 7;
inline constexpr int kMarkHeight = 35;

struct KeyArea {
    int x = 0;  // from the left of the picture
    int y = 0;
    bool black = false;
};

// The area of a note's key (its octave start added).
KeyArea keyArea(int note);
bool isBlackKey(int note);
// The note under a point, or nothing: the key areas first, black keys
// included; then the white keys by x alone, anywhere below kKeyboardTop.
std::optional<int> noteAt(int x, int y);
// "C5" for 60: the key name and the octave (note / 12), no padding.
std::string noteWithOctave(int note);

}  // namespace casm

#pragma once
// The note picker's keyboard picture: where each of the 128 notes lies on a
// 601 by 100 pixel keyboard of 56 pixels an octave, which note a point hits,
// and where a picked note's mark is drawn. The picture itself is drawn by the
// window from these areas.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace casm {

inline constexpr int kKeyboardWidth = 601;
inline constexpr int kKeyboardHeight = 100;
inline constexpr int kOctaveWidth = 56;
inline constexpr int kKeyAreaWidth = 8;
inline constexpr int kKeyAreaHeight = 40;
inline constexpr int kKeysTop = 19;  // nothing above this line is a key
inline constexpr int kMarkWidth = 7;
inline constexpr int kMarkHeight = 35;

// One of the twelve keys of an octave: the area that picks it first (x from
// the octave's start), its name and its colour.
struct KeyArea {
    int x = 0;
    int y = 0;
    std::string_view name;
    bool black = false;
};
const std::array<KeyArea, 12>& keyAreas();

// The note 0-127 under a point of the picture, or none. The twelve areas are
// tried in order; a point in none of them picks the white key whose 8-pixel
// column it lies in, anywhere from kKeysTop down.
std::optional<int> noteAt(int x, int y);

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;  // exclusive
    int bottom = 0;
};
// The red mark of a picked note: kMarkWidth by kMarkHeight pixels from the
// top left of its key area.
Rect markRect(int note);
bool isBlackKey(int note);

// The note's name and octave as the picker shows it: "C5" for 60, "D#0" for 3.
std::string noteLabel(int note);

}  // namespace casm

#pragma once
// The 19 colour classes of event rows and the colours the program starts
// with; the settings file ("Colors") may replace them.
#include <array>

namespace document {

inline constexpr int kColourClassCount = 19;

// Colours as the settings file holds them: red in bits 0-7, green 8-15, blue 16-23.
struct ClassColours {
    int brush = 0xFFFFFF;  // background
    int pen = 0x000000;    // text
};
using ColourTable = std::array<ClassColours, kColourClassCount>;

// The built-in colours of the 19 colour classes.
const ColourTable& builtinColours();

}  // namespace document

#pragma once
// What the text event dialog offers: the seven text kinds, the standard
// section markers of a style and the genres of "Genre.INI".
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/profile.h"

namespace events {

inline constexpr int kTextKindCount = 7;
inline constexpr int kTextKindText = 0;
inline constexpr int kTextKindMarker = 5;
// "Text", "Copyright info", "Track name", "Track instrument", "Lyric", "Marker", "Cue point".
const std::array<std::string_view, kTextKindCount>& textKindNames();

inline constexpr int kStandardMarkerCount = 20;
// "SInt", "SFF1", "Main A", "Fill In AA", ... "Fill In DD".
const std::array<std::string_view, kStandardMarkerCount>& standardMarkers();
// The standard marker that reads exactly `text`; -1 for none.
int standardMarkerIndex(std::string_view text);

// The values of keys "0", "1", ... "255" of section "Genre", up to the first
// key that is missing or empty.
std::vector<std::string> genreList(const base::Profile& genreIni);
// The text a chosen genre gives: "Genre:" and the genre, no blank between.
std::string genreText(std::string_view genre);

}  // namespace events

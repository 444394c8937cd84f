#pragma once
// The notes of each of the 34 chord types on the root C, for the chord
// pictures: semitones above the root, lowest first.
#include <span>

namespace casm {

// Semitones above the root of chord type `type` (0 to 33); empty beyond.
std::span<const int> chordIntervals(int type);

}  // namespace casm

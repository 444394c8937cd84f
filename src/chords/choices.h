#pragma once
// The rules of chord following that nothing published settles, each kept
// here once, as data, so that better evidence (a recording of what a
// keyboard sends) corrects it in one edit. Everything else in the folder
// follows documented or consistently observed behaviour.
//
// - The Melody and Chord tables for a change of chord type: a source note
//   is classed by its degree in the source chord's scale (degrees 1 9 3 11
//   5 13 7, a chromatic note as the degree below it plus its distance) and
//   played on the same degree of the played chord, read from these tables.
// - Root Fixed: a note moves to the nearest pitch whose class the table
//   allows for the played chord, a tie going up ("snap"), which keeps the
//   voicing where the pattern put it.
// - The Guitar tables (All-Purpose, Stroke, Arpeggio) all keep the hand in
//   place like Root Fixed and allow the played chord's tones.
// - No chord (N.C.): only the rhythm destinations (channels 9 and 10) play,
//   as over the source chord.
// - Where a minor table changes a degree that already has the wanted form
//   (a source with a minor 7th under Natural Minor), the degree stays.
#include <array>

namespace chords::choices {

// Semitones above the played root for the source degrees 1 9 3 11 5 13 7,
// in CASM type order; 12 is the root an octave up.
using DegreeRow = std::array<int, 7>;
const DegreeRow& melodyScale(int type);  // the chord scale of a type
const DegreeRow& chordTable(int type);   // the Chord table's target degrees

// A note's degree in a scale: the last degree at or below its interval
// above the root (the first of equal ones), and how far above it the note
// lies (0 for a note of the scale).
struct Degree {
    int index = 0;  // 0 to 6: 1 9 3 11 5 13 7
    int offset = 0;
};
Degree degreeOf(int interval, const DegreeRow& scale);

// Root Fixed: the pitch nearest `pitch` whose class is in `allowed` (bit n
// = pitch class n), a tie going up; `pitch` itself when nothing is allowed.
int snap(int pitch, int allowed);

// What the Guitar tables allow under Root Fixed motion.
enum class Allowed { ChordTones, ChordScale };
inline constexpr Allowed kGuitarAllows = Allowed::ChordTones;

// Destination channels (0-based) that play over N.C.
inline constexpr int kNoChordChannels = (1 << 8) | (1 << 9);

}  // namespace chords::choices

#pragma once
// Typed progressions: chord symbols in bars, turned into chords with their
// tick ranges for a time signature and a division.
//
//   progression := bar ("|" bar)*   when the text holds a "|"; blank text
//                                   before the first or after the last "|"
//                                   is no bar
//                | item*            otherwise: each item a bar unless it has beats
//   bar         := item*            an empty bar holds the chord before it
//   item        := (chord | "%" | "/" | ".") (":" beats)?
//
// Items with beats take that many (a decimal with up to three places);
// the others of the bar share what is left equally, and a bar adds up to
// exactly the signature's beats. "%", "/" and "." repeat the chord before.
// Beats are the signature's denominator (6/8: eighth notes). Adjacent
// equal chords are joined into one, so nothing changes between them.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "chords/chord_symbol.h"

namespace chords {

struct TimeSignature {
    int numerator = 4;
    int denominator = 4;  // a power of two
};

// Ticks of a bar and of a beat at `division` ticks a quarter note.
std::uint64_t barTicks(TimeSignature signature, std::uint16_t division);
std::uint64_t beatTicks(TimeSignature signature, std::uint16_t division);

struct TimedChord {
    std::uint64_t start = 0;  // from the start of the progression
    std::uint64_t end = 0;
    Chord chord;
    std::string symbol;  // as typed (of the first item when repeats were joined)
};

// Longer progressions are refused.
inline constexpr int kMaxBars = 10000;

// The chords in time order, back to back from tick 0; or the first fault,
// named by position and text: "bar 2, item 3: unknown chord quality
// 'maj13b'" (without bars "item 7: ..."), "bar 4: the items take 5 beats;
// a bar has 4".
std::variant<std::vector<TimedChord>, std::string> parseProgression(std::string_view text, TimeSignature signature,
                                                                    std::uint16_t division);

}  // namespace chords

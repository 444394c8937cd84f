#pragma once
// Typed chord symbols: a root, a quality and an optional on-bass note
// ("C", "F#m7", "Bbmaj7(#11)", "F/A", "C6/9/E"), or no chord ("N.C.").
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace chords {

struct Chord {
    bool none = false;        // N.C.: no chord
    int root = 0;             // pitch class 0 (C) to 11
    int type = 0;             // CASM chord type 0 to 33
    std::optional<int> bass;  // the on-bass pitch class, never equal to the root

    friend bool operator==(const Chord&, const Chord&) = default;
};

// "C", "C#" ... "B" for a pitch class (sharps, as the CASM grid names keys).
std::string_view pitchClassName(int pitchClass);
// The CASM grid's spelling: root, type name and "/bass" ("CMaj7", "Amin7/G"), or "N.C.".
std::string chordName(const Chord& chord);

// A chord from its symbol, or why it is not one (the message quotes the
// symbol or the part that is wrong). Root and bass: A to G (a to g
// accepted) and one accidental "#", "b", "♯" or "♭". The quality is one of
// the 34 names or an alias, exactly; a "/" followed by a letter starts the
// bass, so "6/9" stays a quality. A bass equal to the root is dropped.
std::variant<Chord, std::string> parseChord(std::string_view symbol);

}  // namespace chords

#pragma once
// The 34 chord types in CASM numbering (the chord-mute bit and the source
// chord type byte use the same order), their names as the CASM grid shows
// them, the other spellings a typed chord may use, and the facts the rules
// need about each: its chord tones and its major/minor family.
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace chords {

inline constexpr int kTypeCount = 34;
inline constexpr int kMaj7 = 2;  // the usual source chord type; also what type 34 ("cancel") reads as

// "Maj" to "1+2+5"; "" beyond the 34.
std::string_view typeName(int type);
// The typed spellings of a type besides its name ("" stands for a root
// alone); empty beyond the 34.
std::span<const std::string_view> typeAliases(int type);
// The type a quality text names: one of the 34 names or an alias, exactly
// as written (case matters: "M7" and "m7" differ). Nothing for other text.
std::optional<int> typeOfQuality(std::string_view quality);

// The pitch classes of a type on the root C, as a 12-bit set (bit n = n
// semitones above the root).
int chordToneSet(int type);
// The minor family is the minor types with dim and dim7 (8 to 18), the set
// the keyboard's "Min only" chord mute gives; every other type is major.
bool isMinorFamily(int type);
bool isAugmented(int type);  // aug, Maj7aug, 7aug
bool isDiminished(int type);  // min7b5, dim, dim7

// A source chord type byte as the rules read it: 0 to 33 as it is, any
// other value (34 "cancel" included) as Maj7.
int sourceType(int byte);

}  // namespace chords

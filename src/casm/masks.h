#pragma once
// The chord and note masks of an entry. A set bit lets the channel play for
// that chord type or note; a cleared bit mutes it. The chord mask is five
// bytes read as one 40-bit big-endian number (chord type n is bit n); byte 0
// also holds the AutoStart bit, which never takes part in a mask.
#include <array>
#include <cstdint>

#include "base/profile.h"
#include "casm/entry.h"

namespace casm {

using ChordMask = std::array<std::uint8_t, 5>;  // ChordMute4 .. ChordMute0
using NoteMask = std::array<std::uint8_t, 2>;   // NoteMute1, NoteMute0

inline constexpr int kChordTypes = 34;
inline constexpr int kNotes = 12;

bool testBit(const ChordMask& mask, int n);  // false for n of 40 or more
void setBit(ChordMask& mask, int n, bool on);  // nothing for n of 40 or more
bool isFull(const ChordMask& mask);
ChordMask fullChordMask();
ChordMask emptyChordMask();
// Flips chord bits 0 to 33 and clears the bits above them in byte 0.
ChordMask inverted(const ChordMask& mask);

bool testBit(const NoteMask& mask, int n);  // false for n of 16 or more
void setBit(NoteMask& mask, int n, bool on);  // nothing for n of 16 or more
bool isFull(const NoteMask& mask);
NoteMask fullNoteMask();
NoteMask emptyNoteMask();

// The masks of an entry, without AutoStart and the unused high bits.
ChordMask chordMaskOf(const Entry& entry);
NoteMask noteMaskOf(const Entry& entry);
// Stores a mask in an entry; the entry's AutoStart bit is kept, the other
// bits beside the mask become 0. True when a byte changed.
bool storeChordMask(Entry& entry, const ChordMask& mask);
bool storeNoteMask(Entry& entry, const NoteMask& mask);

// The chord-mute presets kept in the settings file, section "ChordMute".
struct ChordMutePresets {
    std::array<ChordMask, 4> user{};  // "User1Byte0" .. "User4Byte4"
    ChordMask minOnly = minOnlyDefault();  // "MinByte0" .. "MinByte4"
    ChordMask majOnly = majOnlyDefault();  // "MajByte0" .. "MajByte4"

    static ChordMask minOnlyDefault();  // the minor types, "dim" and "dim7" (8 to 18)
    static ChordMask majOnlyDefault();  // the rest: 0 to 7 and 19 to 33
    void resetMinMaj();
};
ChordMutePresets readChordMutePresets(const base::Profile& settings);
void writeChordMutePresets(base::Profile& settings, const ChordMutePresets& presets);

}  // namespace casm

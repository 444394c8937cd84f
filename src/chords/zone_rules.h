#pragma once
// The rules of one CASM entry as chord following reads them, the same for
// both kinds of entry: the SFF1 values mapped onto the SFF2 ones (NTT
// "Bass" is Melody with the bass flag, "M-m Only(M)" and "M-m Only(H)" the
// melodic and harmonic minor tables), a Cntt value standing for the NTT of
// an SFF1 entry. A value outside its list reads as the list's first
// (Root Trans, Bypass, Stop), an SFF1 NTR other than 0 as Root Fixed, as
// the CASM grid shows them.
#include <array>
#include <cstdint>
#include <string>

#include "casm/entry.h"
#include "casm/masks.h"

namespace chords {

enum class Ntr : std::uint8_t { RootTrans, RootFixed, Guitar };
// The SFF2 tables in their NTT order, then the three Guitar tables.
enum class Table : std::uint8_t {
    Bypass,
    Melody,
    Chord,
    MelodicMinor,
    MelodicMinor5th,
    HarmonicMinor,
    HarmonicMinor5th,
    NaturalMinor,
    NaturalMinor5th,
    Dorian,
    Dorian5th,
    GuitarAllPurpose,
    GuitarStroke,
    GuitarArpeggio,
};
enum class Rtr : std::uint8_t { Stop, PitchShift, PitchShiftToRoot, Retrigger, RetriggerToRoot, NoteGenerator };

struct ZoneRules {
    Ntr ntr = Ntr::RootTrans;
    Table table = Table::Bypass;
    bool bass = false;
    int highKey = 0;  // pitch class
    int low = 0;      // note limits
    int high = 127;
    Rtr rtr = Rtr::Stop;
};

// The rules of an entry for its source channel.
struct ChannelRules {
    int source = 0;       // channel 0 to 15
    int destination = 0;  // channel 0 to 15
    casm::ChordMask chordMask = casm::fullChordMask();
    casm::NoteMask noteMask = casm::fullNoteMask();
    int sourceRoot = 0;  // pitch class
    int sourceType = 2;  // 0 to 33
    bool zoned = false;  // an SFF2 entry: three zones by the middle range
    int middleLow = 0;
    int middleHigh = 127;
    std::array<ZoneRules, casm::kZoneCount> zones{};

    // The zone whose rules a source note follows: below the middle range the
    // low zone, above it the high zone; an SFF1 entry has only the middle one.
    casm::Zone zoneOf(int note) const;
    const ZoneRules& rulesOf(casm::Zone zone) const { return zones[static_cast<std::size_t>(zone)]; }
    // Whether the entry sounds for a chord of this root and type.
    bool sounds(int root, int type) const { return casm::testBit(chordMask, type) && casm::testBit(noteMask, root); }
};

ChannelRules channelRules(const casm::Entry& entry);

// "Root Trans/Melody+Bass/Pitch Shift": the names of the NTR, NTT and RTR.
std::string ruleText(const ZoneRules& rules);
// "L", "M" or "H".
char zoneLetter(casm::Zone zone);

}  // namespace chords

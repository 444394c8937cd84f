#pragma once
// The pitch one source note plays at over a chord, by the rules of its zone:
// the note transposition (NTR with its highest key), the table (NTT, with
// the bass note of an on-bass chord) and the note limits.
#include "chords/chord_symbol.h"
#include "chords/zone_rules.h"

namespace chords {

// The chord a pattern was recorded over.
struct SourceChord {
    int root = 0;  // pitch class
    int type = 2;  // 0 to 33
};

// The pitch of source note `note` (0 to 127) over `played` (a chord, not
// N.C.), 0 to 127. Root Fixed with Bypass keeps the note and ignores the
// limits; over the source chord itself every other table keeps it too, then
// the limits apply; a note outside them moves by octaves into them (up while
// below, then down while above).
int notePitch(int note, const ZoneRules& rules, SourceChord source, const Chord& played);

// Where a "to Root" RTR takes a sounding pitch: the played root (the bass of
// an on-bass chord under a Bass table) in the same MIDI octave.
int rootPitch(int sounding, const ZoneRules& rules, const Chord& played);

// A pitch moved by octaves into [low, high], then into 0 to 127.
int foldIntoLimits(int pitch, int low, int high);

}  // namespace chords

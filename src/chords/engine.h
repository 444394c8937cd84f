#pragma once
// Chord following: a style section played over chords as the keyboard
// plays it from its CASM entries. Per source channel the entry decides
// whether the channel sounds for the chord (chord mute by type, note mute
// by root), which zone a note belongs to (SFF2: its pitch against the middle
// range), where each note goes (NTR, NTT, note limits; zone_rules.h and
// note_pitch.h), what a sounding note does when the chord changes under it
// (RTR) and which channel it sounds on. Source channels without an entry
// stay silent (the plan lists them).
//
// What is documented or observed is implemented as such; what nothing
// published settles (the Melody, Chord and Guitar tables for a change of
// chord type, the Root Fixed policy, N.C.) is kept as data in choices.h, so
// that better evidence corrects it in one edit.
//
// Playing is incremental: playSegment plays one chord over one tick range
// given the notes still sounding, so a player can compute bar by bar, and
// playProgression runs it over a whole progression. Everything here is
// values and functions; any thread may call them on its own data.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "chords/progression.h"
#include "chords/section_plan.h"

namespace chords {

// One note the keyboard sends, and where it came from.
struct PlayedNote {
    std::uint64_t tick = 0;  // from the start of play
    std::uint64_t duration = 0;
    std::uint8_t channel = 0;  // destination 0 to 15
    std::uint8_t note = 0;
    std::uint8_t velocity = 0;
    bool attack = true;  // false: the note goes on from before a chord change (Pitch Shift), without a new note-on
    std::uint8_t sourceChannel = 0;
    std::uint8_t sourceNote = 0;
    std::uint64_t sourceTick = 0;  // in the section, before looping
    casm::Zone zone = casm::Zone::Middle;
    std::uint32_t chord = 0;  // index of the timed chord that gave the pitch
};

struct Performance {
    std::vector<PlayedNote> notes;
    std::vector<playback::MidiEvent> events;  // the routed non-note messages, ticks from the start of play
    std::uint64_t length = 0;                  // where play ends
};

struct PlayOptions {
    bool loop = true;  // the section repeats; otherwise it plays once and nothing sounds after its end
    std::uint16_t channelSwitches = 0xFFFF;  // bit c: destination channel c sounds
};

// The notes sounding between two segments.
struct PlayState {
    struct Sounding {
        std::uint32_t source = 0;  // index into the plan's notes
        std::uint64_t start = 0;   // of the present note, after any chord change
        std::uint64_t end = 0;     // where the source note ends
        std::uint64_t sourceTick = 0;
        std::uint8_t pitch = 0;
        bool attack = true;
        std::uint32_t chord = 0;
    };
    std::vector<Sounding> sounding;
    std::optional<Chord> chord;  // of the last segment played
};

// Plays `chord` from `start` to `end` (ticks from the start of play): first
// the chord change under the sounding notes (RTR, or a stop when the entry
// is muted for the new chord), then the notes and messages of the section
// due in the range (the section repeating when the options say so), and
// ends the notes that end by `end`. Notes still sounding stay in `state`.
// `chordIndex` is what the played notes' `chord` holds.
void playSegment(const SectionPlan& plan, const TimedChord& chord, std::uint32_t chordIndex, const PlayOptions& options,
                 PlayState& state, Performance& out);

// Ends every sounding note at `at`.
void endSounding(PlayState& state, std::uint64_t at, const SectionPlan& plan, Performance& out);

// The whole progression, notes sorted by tick, channel and note (events by
// tick). Looping, it lasts as long as the progression; played once, as long
// as the section, the last chord held to its end.
//
// Cost: linear in the notes played, plus the sort.
Performance playProgression(const SectionPlan& plan, std::span<const TimedChord> chords, const PlayOptions& options);

// The progression `times` times over, back to back.
std::vector<TimedChord> repeatProgression(std::span<const TimedChord> chords, int times);

}  // namespace chords

#pragma once
// A section made ready for chord following: its notes paired (note-on with
// note-off) and tagged with the rules of their source channel and zone, its
// other channel messages moved to their destination channels, and its
// length in whole bars. Made once per section and set of entries; playing
// over chords reads it and never changes it.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/profile.h"
#include "casm/entry.h"
#include "chords/progression.h"
#include "chords/zone_rules.h"
#include "document/document.h"
#include "document/event_list.h"
#include "playback/midi_event.h"

namespace chords {

struct SourceNote {
    std::uint64_t on = 0;  // ticks in the section
    std::uint64_t off = 0;
    std::uint8_t channel = 0;  // source channel 0 to 15
    std::uint8_t note = 0;
    std::uint8_t velocity = 0;
    casm::Zone zone = casm::Zone::Middle;
};

struct SectionPlan {
    std::vector<SourceNote> notes;             // of channels with an entry, by note-on tick
    std::vector<playback::MidiEvent> routed;  // controllers, programs, pressure, pitch bends on their
                                               // destination channels, and system-exclusive messages
    std::uint64_t length = 0;                  // whole bars, at least one
    std::array<std::optional<ChannelRules>, 16> channels;  // by source channel
    std::vector<int> unassigned;  // source channels that play notes but have no entry: they stay silent
};

// The first time signature of the MIDI part; 4/4 when it has none (or a
// numerator of 0, or a denominator above 1/64).
TimeSignature timeSignatureOf(const document::EventList& events);

// The entries of one section, in list order.
std::vector<casm::Entry> entriesOf(std::span<const casm::Entry> entries, std::string_view section);

// The entries "Create CASM section" would make for a MIDI part without a
// CASM section (the proposed part kind of each channel that plays, with the
// defaults of `casmIni`); empty when it would make none.
std::vector<casm::Entry> createdEntries(const document::EventList& events, const base::Profile& casmIni);

// The plan of a section from its collected events (see
// playback::CollectEvents) and its entries; the first entry of a source
// channel gives its rules. The length is the section's in whole bars; a
// last event less than a beat past a bar line adds no bar. Notes still
// sounding at the end, and notes whose note-off comes later, end there.
//
// Cost: one pass over the events.
SectionPlan planSection(std::span<const playback::MidiEvent> events, std::span<const casm::Entry> entries,
                        TimeSignature signature, std::uint16_t division);

// The plan of the section a marker of the document names (exact text), from
// its events and the entries of that section (`entries` may hold every
// section's); nothing when no marker has that name.
std::optional<SectionPlan> planDocumentSection(const document::Document& doc, std::span<const casm::Entry> entries,
                                               std::string_view section);

}  // namespace chords

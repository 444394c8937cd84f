#pragma once
// Why each part plays what it plays: for one section and the chord
// sounding, a row per source channel and zone the section plays, with the
// entry that feeds it and the rules it follows, or why it is silent (a chord
// mute or note mute cleared for the chord, which is a common fault in a
// style; N.C.; no entry for the channel).
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chords/section_plan.h"

namespace chords {

enum class WhyState { Plays, ChordMute, NoteMute, NoChord, NoEntry };

struct WhyRow {
    std::optional<int> destination;    // channel 0 to 15; nothing without an entry
    std::optional<std::size_t> entry;  // index in the entry list
    std::string section;
    int source = 0;  // channel 0 to 15
    casm::Zone zone = casm::Zone::Middle;
    std::string rule;  // as ruleText gives it; empty without an entry
    WhyState state = WhyState::Plays;
};

// The rows, by destination channel, then source channel and zone; channels
// without an entry last. `entries` is the whole list the plan was made from
// (every section's), so `entry` indexes it.
std::vector<WhyRow> whyRows(const SectionPlan& plan, std::span<const casm::Entry> entries, std::string_view section,
                            const Chord& chord);

// "plays", "silent: chord mute", "silent: note mute", "silent: N.C.", "silent: no entry".
std::string_view whyStateText(WhyState state);

}  // namespace chords

#include "chords/why_rows.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "chords/choices.h"

namespace chords {
namespace {

constexpr auto kZones = static_cast<std::size_t>(casm::kZoneCount);

WhyState stateOf(const ChannelRules& rules, const Chord& chord) {
    if (chord.none) return (choices::kNoChordChannels >> rules.destination & 1) != 0 ? WhyState::Plays : WhyState::NoChord;
    if (!casm::testBit(rules.chordMask, chord.type)) return WhyState::ChordMute;
    if (!casm::testBit(rules.noteMask, chord.root)) return WhyState::NoteMute;
    return WhyState::Plays;
}

std::optional<std::size_t> entryIndex(std::span<const casm::Entry> entries, std::string_view section, int source) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].section == section && (entries[i][casm::Track] & 0x0F) == source) return i;
    return std::nullopt;
}

}  // namespace

std::vector<WhyRow> whyRows(const SectionPlan& plan, std::span<const casm::Entry> entries, std::string_view section,
                            const Chord& chord) {
    // The zones each source channel's notes fall in.
    std::array<std::array<bool, kZones>, 16> zones{};
    for (const auto& n : plan.notes) zones[n.channel][static_cast<std::size_t>(n.zone)] = true;

    std::vector<WhyRow> rows;
    for (int source = 0; source < 16; ++source) {
        const auto& rules = plan.channels[static_cast<std::size_t>(source)];
        if (!rules) continue;
        const auto& used = zones[static_cast<std::size_t>(source)];
        const bool any = std::find(used.begin(), used.end(), true) != used.end();
        for (std::size_t z = 0; z < kZones; ++z) {
            const auto zone = static_cast<casm::Zone>(z);
            // A channel without notes (controllers only) shows its middle zone.
            if (any ? !used[z] : zone != casm::Zone::Middle) continue;
            WhyRow row;
            row.destination = rules->destination;
            row.entry = entryIndex(entries, section, source);
            row.section = std::string(section);
            row.source = source;
            row.zone = zone;
            row.rule = ruleText(rules->rulesOf(zone));
            row.state = stateOf(*rules, chord);
            rows.push_back(std::move(row));
        }
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const WhyRow& a, const WhyRow& b) { return *a.destination < *b.destination; });
    for (int source : plan.unassigned) {
        WhyRow row;
        row.section = std::string(section);
        row.source = source;
        row.state = WhyState::NoEntry;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string_view whyStateText(WhyState state) {
    switch (state) {
        case WhyState::Plays: return "plays";
        case WhyState::ChordMute: return "silent: chord mute";
        case WhyState::NoteMute: return "silent: note mute";
        case WhyState::NoChord: return "silent: N.C.";
        case WhyState::NoEntry: return "silent: no entry";
    }
    return "";
}

}  // namespace chords

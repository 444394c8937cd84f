#include "casm/assign.h"

namespace casm {
namespace {

// Bytes from here on differ in meaning between the kinds.
constexpr int kFirstKindByte = MiddleLow;

bool setByte(Entry& e, int offset, std::uint8_t value) {
    if (e[offset] == value) return false;
    e[offset] = value;
    e.changed = true;
    return true;
}

// The rule values and the middle range of an assignment into one entry of its kind; true when any was given.
bool assignKindBytes(Entry& e, const RuleAssignment& a) {
    bool took = false;
    const int zones = e.kind() == TableKind::Ctb2 ? kZoneCount : 1;  // a Ctab entry has one block
    for (int z = 0; z < zones; ++z) {
        const auto zone = static_cast<Zone>(z);
        if (zones > 1 && a.zone && *a.zone != zone) continue;
        for (int r = 0; r < kRuleCount; ++r) {
            const auto& value = a.rules[static_cast<std::size_t>(r)];
            if (!value) continue;
            e.setRule(zone, static_cast<Rule>(r), *value);
            took = true;
        }
    }
    if (e.kind() == TableKind::Ctb2) {
        if (a.middleLow) e[MiddleLow] = *a.middleLow;
        if (a.middleHigh) e[MiddleHigh] = *a.middleHigh;
        took = took || a.middleLow || a.middleHigh;
    }
    return took;
}

}  // namespace

bool inGroup(const Entry& e, const Group& g) {
    switch (g.by) {
        case Group::By::All: return true;
        case Group::By::Section: return e.section == g.section;
        case Group::By::Channel: return e[MidiChan] == g.channel;
        case Group::By::Marked: return e.marked;
    }
    return false;
}

int assignRules(std::vector<Entry>& entries, const Group& group, const RuleAssignment& a) {
    int count = 0;
    for (Entry& e : entries) {
        if (!inGroup(e, group)) continue;
        bool took = e.kind() == a.kind && assignKindBytes(e, a);
        if (a.noteMute) storeNoteMask(e, *a.noteMute);
        if (a.chordMute) storeChordMask(e, *a.chordMute);
        if (a.autoStart) e.setAutoStart(*a.autoStart);
        took = took || a.noteMute || a.chordMute || a.autoStart;
        if (!took) continue;
        e.changed = true;
        ++count;
    }
    return count;
}

int assignChord(std::vector<Entry>& entries, const Group& group, std::optional<std::uint8_t> root,
                std::optional<std::uint8_t> type) {
    int count = 0;
    for (Entry& e : entries) {
        if (!inGroup(e, group)) continue;
        const bool rootChanged = root && setByte(e, ChordRoot, *root);
        const bool typeChanged = type && setByte(e, ChordType, *type);
        if (rootChanged || typeChanged) ++count;
    }
    return count;
}

std::vector<std::size_t> editTargets(const std::vector<Entry>& entries, std::size_t clicked, bool sameKind) {
    if (clicked >= entries.size()) return {};
    const Entry& c = entries[clicked];
    std::size_t marked = 0;
    for (const Entry& e : entries) marked += e.marked ? 1 : 0;
    if (!c.marked || marked < 2) return {clicked};
    std::vector<std::size_t> targets;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].marked && (!sameKind || entries[i].kind() == c.kind())) targets.push_back(i);
    return targets;
}

std::vector<std::size_t> editCell(std::vector<Entry>& entries, std::size_t clicked, const Column& column, Zone shown,
                                  std::uint8_t value, std::uint8_t mask) {
    if (clicked >= entries.size()) return {};
    const auto offset = columnByte(entries[clicked], column, shown);
    if (!offset) return {};
    std::vector<std::size_t> changed;
    for (std::size_t i : editTargets(entries, clicked, *offset >= kFirstKindByte)) {
        const auto merged = static_cast<std::uint8_t>((entries[i][*offset] & ~mask) | (value & mask));
        if (setByte(entries[i], *offset, merged)) changed.push_back(i);
    }
    return changed;
}

}  // namespace casm

#pragma once
// Changing many entries at once: the rule assignment of the "Assign" menu
// over a group of entries, and the marked-entries rule of the grid's cell
// edits. Both work on Ctab and Ctb2 entries; in a Ctb2 entry the rules go
// to one zone or to all three. Each function walks the list once.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "casm/columns.h"
#include "casm/entry.h"
#include "casm/masks.h"

namespace casm {

// The entries a command works on.
struct Group {
    enum class By { All, Section, Channel, Marked };
    By by = By::All;
    std::string section;  // By::Section
    int channel = 0;      // By::Channel: the MidiChan byte, 0 to 15
};
bool inGroup(const Entry& entry, const Group& group);

// The ticked boxes of an assignment and their values. The rule values and
// the middle range carry the meaning of `kind` (a Ctb2 NTT of 3 is not the
// Ctab "Bass"), so they go only to entries of that kind; the mutes and
// AutoStart go to every entry of the group.
struct RuleAssignment {
    TableKind kind = TableKind::Ctab;
    std::array<std::optional<std::uint8_t>, kRuleCount> rules{};  // by Rule
    std::optional<Zone> zone;  // the zone of a Ctb2 entry the rules go to; all three when not set
    std::optional<std::uint8_t> middleLow, middleHigh;  // Ctb2 entries only
    std::optional<NoteMask> noteMute;
    std::optional<ChordMask> chordMute;  // the entry's AutoStart bit is kept
    std::optional<bool> autoStart;       // the chord bits are kept

    std::optional<std::uint8_t>& operator[](Rule rule) { return rules[static_cast<std::size_t>(rule)]; }
};

// Writes the assignment into every entry of the group without comparing,
// as the assignment dialog does: an entry that took at least one value
// gets its changed flag, even when no byte differed. Returns the number of
// such entries.
int assignRules(std::vector<Entry>& entries, const Group& group, const RuleAssignment& assignment);

// Sets the chord root and/or type of every entry of the group (both kinds
// keep them in the same bytes), each only where it differs; the entries
// that changed get their changed flag. Returns their number.
int assignChord(std::vector<Entry>& entries, const Group& group, std::optional<std::uint8_t> root,
                std::optional<std::uint8_t> type);

// The entries a cell edit on entry `clicked` goes to: the clicked entry,
// and every other marked entry when the clicked one is marked and at least
// two are. With `sameKind`, only entries of the clicked entry's kind (for
// the rules and the middle range, whose values mean different things in
// the other kind). In list order.
std::vector<std::size_t> editTargets(const std::vector<Entry>& entries, std::size_t clicked, bool sameKind);

// A one-byte cell edit (a column that columnByte answers) on entry
// `clicked`, with the marked-entries rule: each target gets the bits of
// `mask` from `value` in the column's byte, keeping its other bits (a Ctb2
// NTT type is set with mask 0x7F and the bass bit with kBassBit, so that
// each entry keeps the other), and its changed flag, only where the byte
// differs. A byte past the shared ones (the rules, the middle range) goes
// only to targets of the clicked entry's kind. Returns the indices of the
// entries that changed; none for a column without a byte.
std::vector<std::size_t> editCell(std::vector<Entry>& entries, std::size_t clicked, const Column& column,
                                  Zone shown, std::uint8_t value, std::uint8_t mask = 0xFF);

}  // namespace casm

#include <gtest/gtest.h>

#include "casm/assign.h"
#include "casm/ctb2_from_ctab.h"

using namespace casm;

namespace {

Entry make(TableKind kind, std::string_view section, std::uint8_t channel) {
    Entry e = kind == TableKind::Ctb2 ? ctb2FromCtab(newEntry()) : newEntry();
    e.section = std::string(section);
    e[Track] = channel;
    e[MidiChan] = channel;
    return e;
}

// Ctab "Main A" ch 9 and 10, Ctb2 "Main B" ch 9 and 10.
std::vector<Entry> mixedList() {
    return {make(TableKind::Ctab, "Main A", 8), make(TableKind::Ctab, "Main A", 9), make(TableKind::Ctb2, "Main B", 8),
            make(TableKind::Ctb2, "Main B", 9)};
}

std::vector<int> changedFlags(const std::vector<Entry>& entries) {
    std::vector<int> flags;
    for (const Entry& e : entries) flags.push_back(e.changed ? 1 : 0);
    return flags;
}

}  // namespace

TEST(CasmAssign, RulesGoToOneZoneOrAllThreeAndOnlyToTheirKind) {
    auto entries = mixedList();
    const auto before = entries;
    RuleAssignment a;
    a.kind = TableKind::Ctb2;
    a[Rule::NTT] = 0x83;
    a[Rule::LowLimit] = 36;
    a.zone = Zone::High;
    EXPECT_EQ(assignRules(entries, Group{}, a), 2);
    EXPECT_EQ(changedFlags(entries), (std::vector<int>{0, 0, 1, 1}));
    for (std::size_t i : {2u, 3u}) {
        Entry expected = before[i];
        expected[HighZone + 1] = 0x83;
        expected[HighZone + 3] = 36;
        expected.changed = true;
        EXPECT_EQ(entries[i], expected);
    }
    EXPECT_EQ(entries[0], before[0]);

    // All three zones, and the middle range, of the Ctb2 entries of one channel.
    a.zone.reset();
    a.middleHigh = 72;
    entries = before;
    EXPECT_EQ(assignRules(entries, Group{Group::By::Channel, "", 9}, a), 1);
    for (int z = 0; z < kZoneCount; ++z) EXPECT_EQ(entries[3].rule(static_cast<Zone>(z), Rule::NTT), 0x83);
    EXPECT_EQ(entries[3][MiddleHigh], 72);
    EXPECT_EQ(entries[3][MiddleLow], 0);
    EXPECT_EQ(changedFlags(entries), (std::vector<int>{0, 0, 0, 1}));

    // A Ctab assignment writes the one block whatever the zone, and flags an
    // entry that took a value equal to its own.
    RuleAssignment ctab;
    ctab[Rule::NTT] = 2;  // the new entry's NTT already
    ctab.zone = Zone::Low;
    entries = before;
    EXPECT_EQ(assignRules(entries, Group{Group::By::Section, "Main A", 0}, ctab), 2);
    EXPECT_EQ(changedFlags(entries), (std::vector<int>{1, 1, 0, 0}));
    ctab[Rule::NTT] = 3;
    EXPECT_EQ(assignRules(entries, Group{Group::By::Section, "Main A", 0}, ctab), 2);
    EXPECT_EQ(entries[1][NTT], 3);
    EXPECT_EQ(entries[1][unkn26], 0);
}

TEST(CasmAssign, MutesAndAutoStartGoToEveryKindAndKeepEachOther) {
    auto entries = mixedList();
    entries[0].setAutoStart(true);
    entries[2].marked = true;
    entries[0].marked = true;
    RuleAssignment a;
    a.kind = TableKind::Ctb2;
    a.chordMute = emptyChordMask();
    a.noteMute = NoteMask{0x0A, 0x55};
    EXPECT_EQ(assignRules(entries, Group{Group::By::Marked, "", 0}, a), 2);
    EXPECT_TRUE(entries[0].autoStart());
    EXPECT_EQ(chordMaskOf(entries[0]), emptyChordMask());
    EXPECT_EQ(chordMaskOf(entries[2]), emptyChordMask());
    EXPECT_EQ(noteMaskOf(entries[0]), (NoteMask{0x0A, 0x55}));
    EXPECT_EQ(changedFlags(entries), (std::vector<int>{1, 0, 1, 0}));

    RuleAssignment start;
    start.autoStart = false;
    EXPECT_EQ(assignRules(entries, Group{}, start), 4);
    EXPECT_FALSE(entries[0].autoStart());
    EXPECT_EQ(chordMaskOf(entries[0]), emptyChordMask());
    EXPECT_EQ(chordMaskOf(entries[1]), fullChordMask());

    // Nothing ticked changes nothing.
    entries = mixedList();
    EXPECT_EQ(assignRules(entries, Group{}, RuleAssignment{}), 0);
    EXPECT_EQ(changedFlags(entries), (std::vector<int>{0, 0, 0, 0}));
}

TEST(CasmAssign, ChordRootAndTypeChangeOnlyWhereTheyDiffer) {
    auto entries = mixedList();
    entries[1][ChordRoot] = 4;
    entries[3][ChordRoot] = 4;
    EXPECT_EQ(assignChord(entries, Group{Group::By::Channel, "", 9}, 4, std::nullopt), 0);
    EXPECT_EQ(changedFlags(entries), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(assignChord(entries, Group{}, 4, 19), 4);
    for (const Entry& e : entries) {
        EXPECT_EQ(e[ChordRoot], 4);
        EXPECT_EQ(e[ChordType], 19);
    }
}

TEST(CasmAssign, CellEditsFollowTheMarkedEntriesRuleWithinTheClickedKind) {
    auto entries = mixedList();
    entries.push_back(make(TableKind::Ctb2, "Main C", 10));
    for (std::size_t i : {0u, 2u, 3u}) entries[i].marked = true;
    const auto before = entries;
    const Column& ntt = gridColumns()[8];
    const Column& channel = gridColumns()[4];

    // On a marked entry: every marked entry of the clicked kind; an equal value changes nothing.
    entries[3].setRule(Zone::Low, Rule::NTT, 0x81);
    EXPECT_EQ(editCell(entries, 2, ntt, Zone::Low, 0x81), std::vector<std::size_t>{2});
    EXPECT_EQ(entries[2][LowZone + 1], 0x81);
    EXPECT_EQ(entries[0][NTT], 2);
    EXPECT_FALSE(entries[3].changed);

    // An NTT type keeps each entry's bass bit, the bass bit each entry's type.
    entries[2].setRule(Zone::High, Rule::NTT, 0x01);
    entries[3].setRule(Zone::High, Rule::NTT, 0x83);
    for (Entry& e : entries) e.changed = false;
    EXPECT_EQ(editCell(entries, 3, ntt, Zone::High, 0x02, 0x7F), (std::vector<std::size_t>{2, 3}));
    EXPECT_EQ(entries[2].rule(Zone::High, Rule::NTT), 0x02);
    EXPECT_EQ(entries[3].rule(Zone::High, Rule::NTT), 0x82);
    EXPECT_EQ(editCell(entries, 2, ntt, Zone::High, kBassBit, kBassBit), std::vector<std::size_t>{2});
    EXPECT_EQ(entries[2].rule(Zone::High, Rule::NTT), 0x82);

    // The shared bytes go to every marked entry, whatever its kind.
    EXPECT_EQ(editCell(entries, 3, channel, Zone::Low, 12), (std::vector<std::size_t>{0, 2, 3}));
    EXPECT_EQ(entries[1][MidiChan], 9);
    EXPECT_EQ(entries[4][MidiChan], 10);

    // On an unmarked entry, or with one entry marked: that entry only.
    entries = before;
    EXPECT_EQ(editCell(entries, 4, channel, Zone::Low, 3), std::vector<std::size_t>{4});
    for (Entry& e : entries) e.marked = false;
    entries[2].marked = true;
    EXPECT_EQ(editTargets(entries, 2, false), std::vector<std::size_t>{2});
    EXPECT_TRUE(editCell(entries, 0, ctb2Columns()[0], Zone::Low, 5).empty());  // a Ctab entry has no middle range
    EXPECT_TRUE(editTargets(entries, 9, false).empty());
}

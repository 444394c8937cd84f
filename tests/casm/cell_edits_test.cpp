// Cell edits that are not one byte follow the marked-entries rule.
#include <gtest/gtest.h>

#include "casm/cell_edits.h"
#include "casm/entry_edit.h"

using namespace casm;

namespace {

std::vector<Entry> three(bool markAll) {
    std::vector<Entry> entries(3, newEntry());
    for (auto& e : entries) {
        e.section = "Main A";
        e.marked = markAll;
    }
    return entries;
}

}  // namespace

TEST(CasmCellEdits, MarkedEntriesTakeTheValueOnlyWhereItDiffers) {
    auto entries = three(true);
    entries[2].setName("Pad");
    EXPECT_EQ(editName(entries, 0, "Pad"), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(entries[1].name(), "Pad     ");
    EXPECT_FALSE(entries[2].changed);

    // An unmarked clicked entry changes alone; one marked entry alone too.
    auto lone = three(false);
    lone[1].marked = true;
    EXPECT_EQ(editSection(lone, 0, "Intro A"), (std::vector<std::size_t>{0}));
    EXPECT_EQ(editSection(lone, 1, std::string(40, 'x')), (std::vector<std::size_t>{1}));
    EXPECT_EQ(lone[1].section.size(), 31u);

    // Masks: each entry keeps its AutoStart; the clicked entry's own mask changes nothing.
    entries = three(true);
    entries[1].setAutoStart(true);
    ChordMask mask = fullChordMask();
    setBit(mask, 32, false);  // sus4 muted
    EXPECT_EQ(editChordMask(entries, 0, mask).size(), 3u);
    EXPECT_EQ(entries[0][ChordMute4], 0x02);
    EXPECT_EQ(entries[1][ChordMute4], 0x06);
    EXPECT_TRUE(editChordMask(entries, 0, mask).empty());
    NoteMask notes = fullNoteMask();
    setBit(notes, 0, false);
    EXPECT_EQ(editNoteMask(entries, 2, notes).size(), 3u);
    EXPECT_EQ(entries[2][NoteMute0], 0xFE);
    EXPECT_EQ(editAutoStart(entries, 0, true), (std::vector<std::size_t>{0, 2}));

    // Cntt: the clicked entry's own pair changes nothing, not even elsewhere.
    entries = three(true);
    entries[1].hasCntt = true;
    entries[1].cntt = 5;
    EXPECT_TRUE(editCntt(entries, 0, false, 0).empty());
    EXPECT_EQ(editCntt(entries, 1, false, 0), (std::vector<std::size_t>{1}));
}

TEST(CasmCellEdits, ChangedEntriesFlagsWhatDiffersAndNothingElse) {
    CasmList before{three(false), {}};
    CasmList after = before;
    after.entries[1][RTR] = 4;
    after.entries[2].marked = true;
    const auto edit = changedEntries(before, after, "RTR");
    ASSERT_EQ(edit.replaced.size(), 1u);
    EXPECT_EQ(edit.replaced[0].index, 1u);
    EXPECT_TRUE(edit.replaced[0].after.changed);
    EXPECT_TRUE(changedEntries(before, before, "none").empty());
}

// Edits of the entry list as data: applied, taken back and applied again.
#include <gtest/gtest.h>

#include "casm/assign.h"
#include "casm/entry_edit.h"

using namespace casm;

namespace {

Entry entry(int track, const char* section) {
    Entry e = newEntry();
    e[Track] = static_cast<std::uint8_t>(track);
    e.section = section;
    return e;
}

std::vector<int> tracks(const CasmList& list) {
    std::vector<int> out;
    for (const auto& e : list.entries) out.push_back(e[Track]);
    return out;
}

}  // namespace

TEST(CasmEntryEdit, RemoveInsertAndReplaceRoundTripKeepingMarks) {
    CasmList list{{entry(1, "A"), entry(2, "A"), entry(3, "B"), entry(4, "B")}, {{"A", 9, 1}}};
    list.entries[1].marked = true;
    list.entries[3].marked = true;
    const CasmList original = list;

    // Removing the marked entries, then undo, brings them back in place, marked.
    auto remove = removeEntries(list, {3, 1, 3}, "Delete");
    ASSERT_EQ(remove.removed.size(), 2u);
    EXPECT_TRUE(redo(list, remove));
    EXPECT_EQ(tracks(list), (std::vector<int>{1, 3}));
    undo(list, remove);
    EXPECT_EQ(list.entries, original.entries);
    redo(list, remove);
    EXPECT_EQ(tracks(list), (std::vector<int>{1, 3}));
    undo(list, remove);

    // Insertion at a position and past the end.
    auto insert = insertEntries(list, 1, {entry(7, "A"), entry(8, "A")}, "Paste");
    redo(list, insert);
    EXPECT_EQ(tracks(list), (std::vector<int>{1, 7, 8, 2, 3, 4}));
    undo(list, insert);
    EXPECT_EQ(list.entries, original.entries);
    auto append = insertEntries(list, 99, {entry(9, "B")}, "Paste");
    redo(list, append);
    EXPECT_EQ(tracks(list), (std::vector<int>{1, 2, 3, 4, 9}));
    undo(list, append);

    // A replacement built from a copy changed by a core rule; the mark of
    // the replaced entry stays whatever it is when the edit is applied.
    CasmList after = list;
    const auto changed = editCell(after.entries, 0, gridColumns()[4], Zone::Middle, 12);  // "Ch"
    ASSERT_EQ(changed.size(), 1u);
    after.kept.clear();
    auto replace = changesBetween(list, after, "Channel");
    ASSERT_EQ(replace.replaced.size(), 1u);
    ASSERT_TRUE(replace.kept);
    list.entries[0].marked = true;
    redo(list, replace);
    EXPECT_EQ(list.entries[0][MidiChan], 12);
    EXPECT_TRUE(list.entries[0].changed);
    EXPECT_TRUE(list.entries[0].marked);
    EXPECT_TRUE(list.kept.empty());
    undo(list, replace);
    EXPECT_EQ(list.entries[0][MidiChan], 0);
    EXPECT_FALSE(list.entries[0].changed);
    EXPECT_EQ(list.kept, original.kept);

    // After a save, taking an edit back gives entries that differ from the file.
    redo(list, replace);
    list.entries[0].changed = false;
    undo(list, replace, true);
    EXPECT_TRUE(list.entries[0].changed);

    // Nothing differs, nothing to undo; the mark alone is no change.
    CasmList same = list;
    same.entries[2].marked = !same.entries[2].marked;
    EXPECT_TRUE(changesBetween(list, same, "x").empty());
}

TEST(CasmEntryEdit, ReplaceAllSwapsTheWholeList) {
    CasmList list{{entry(1, "A"), entry(2, "A")}, {}};
    const CasmList before = list;
    CasmList next{{entry(5, "C")}, {{"C", 3, 4}}};
    auto edit = replaceAll(list, next, "Undo changes");
    EXPECT_TRUE(redo(list, edit));
    EXPECT_EQ(list.entries, next.entries);
    EXPECT_EQ(list.kept, next.kept);
    undo(list, edit);
    EXPECT_EQ(list.entries, before.entries);
    EXPECT_TRUE(list.kept.empty());
}

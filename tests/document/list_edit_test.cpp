#include <gtest/gtest.h>

#include <random>

#include "document/event_cells.h"
#include "document/list_edit.h"
#include "support/event_rows.h"

using namespace document;
using testing_support::listOf;
using testing_support::rowsOf;

namespace {

std::vector<std::uint64_t> timesOf(const EventList& list) {
    std::vector<std::uint64_t> times;
    for (int r = 1; r < list.rowCount(); ++r) times.push_back(list.absTick(r));
    return times;
}

}  // namespace

TEST(ListEdit, RemovedRunsPassTheirTimeOnAndComeBackOnUndo) {
    auto list = listOf({{10, {0x90, 60, 1}}, {20, {0xB0, 0, 0}}, {30, {0xB0, 32, 0}}, {40, {0x80, 60, 0}},
                        {50, {0xC0, 1}}});
    list.setSelected(2, true);
    const auto original = rowsOf(list);
    const auto times = timesOf(list);

    auto edit = removeRows(list, {2, 3, 5}, "Delete");
    ASSERT_EQ(edit.removed.size(), 3u);
    const auto t = redo(list, edit);
    EXPECT_TRUE(t.rowsMoved);
    EXPECT_EQ(t.first, 2);
    ASSERT_EQ(list.eventCount(), 2);
    EXPECT_EQ(list.delta(2), 90u);  // 20 + 30 + 40: the note off keeps its time
    EXPECT_EQ(list.absTick(2), times[3]);
    // The last event's time goes to the trailing row, which now shows a Tick+.
    EXPECT_EQ(cellText(list, list.trailingRow(), ColTick, {}), "50");

    undo(list, edit);
    EXPECT_EQ(rowsOf(list), original);
    EXPECT_EQ(timesOf(list), times);
    EXPECT_TRUE(list.selected(2));
    redo(list, edit);
    EXPECT_EQ(list.eventCount(), 2);
    undo(list, edit);
    EXPECT_EQ(rowsOf(list), original);

    // Removing nothing, or a row that changes nothing, makes an empty edit.
    EXPECT_TRUE(removeRows(list, {}, "Delete").empty());
    EXPECT_TRUE(replaceRow(list, 1, list.row(1), "Edit").empty());
}

TEST(ListEdit, InsertReplaceAndRenumberWalkBackExactly) {
    auto list = listOf({{0, {0x90, 60, 1}}, {5, {0x90, 62, 1}}, {7, {0xFF, 0x2F, 0x00}}});
    list.setNumber(1, 4);
    const auto original = rowsOf(list);
    Edit edit;
    edit.name = "Paste";
    edit.removed.push_back({2, list.row(2)});
    edit.inserted.push_back({1, eventRow(3, testing_support::textMeta(0x06, "Main A"))});
    edit.inserted.push_back({3, eventRow(0, {0xC0, 9})});
    EventRow changed = list.row(3);
    changed.delta = 1;
    edit.replaced.push_back({4, list.row(3), changed});
    edit.renumber = true;

    const auto t = redo(list, edit);
    EXPECT_TRUE(t.textsChanged);
    ASSERT_EQ(list.eventCount(), 4);
    EXPECT_TRUE(list.isMarker(1));
    EXPECT_EQ(list.status(2), 0x90);
    EXPECT_EQ(list.status(3), 0xC0);
    EXPECT_EQ(list.delta(4), 1u);
    for (int r = 1; r < list.rowCount(); ++r) EXPECT_EQ(list.number(r), static_cast<std::uint32_t>(r));
    undo(list, edit);
    EXPECT_EQ(rowsOf(list), original);
}

// Random edits of every shape, applied and taken back in turn, leave the
// list exactly as it was at each step.
TEST(ListEdit, AnyRunOfEditsUndoesToTheSameList) {
    std::minstd_rand random(7);
    auto list = listOf({});
    for (int i = 0; i < 300; ++i)
        list.appendRow(eventRow(static_cast<std::uint32_t>(random() % 100), {static_cast<std::uint8_t>(0x90 + random() % 16), 60, 1}));
    std::vector<std::vector<EventRow>> states{rowsOf(list)};
    std::vector<Edit> done;
    for (int step = 0; step < 40; ++step) {
        Edit edit;
        if (step % 2 == 0) {
            std::vector<int> rows;
            for (int r = 1; r <= list.eventCount(); ++r)
                if (random() % 7 == 0) rows.push_back(r);
            edit = removeRows(list, rows, "Delete");
        } else {
            const int count = static_cast<int>(random() % 20);
            int at = 2;  // row 1 is replaced below, so it must stay the same row
            for (int i = 0; i < count; ++i) {
                at += static_cast<int>(random() % 10);
                if (at > list.eventCount() + i + 1) break;
                std::vector<std::uint8_t> sysex(300 + random() % 50, 0x11);
                sysex[0] = 0xF0;
                edit.inserted.push_back({at++, eventRow(static_cast<std::uint32_t>(random() % 50), sysex)});
            }
            EventRow replaced = list.row(1);
            replaced.bytes[1] = 61;
            edit.replaced.push_back({1, list.row(1), replaced});
        }
        redo(list, edit);
        done.push_back(std::move(edit));
        states.push_back(rowsOf(list));
    }
    while (!done.empty()) {
        undo(list, done.back());
        done.pop_back();
        states.pop_back();
        ASSERT_EQ(rowsOf(list), states.back()) << "after undoing to step " << done.size();
    }
}

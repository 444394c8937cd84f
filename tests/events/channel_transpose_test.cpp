#include <gtest/gtest.h>

#include "document/event_cells.h"
#include "events/channel_edit.h"
#include "events/transpose.h"
#include "support/event_rows.h"
#include "support/three_ways.h"

using namespace document;
using namespace events;
using testing_support::applyThreeWays;
using testing_support::rowsOf;
using testing_support::textMeta;

TEST(ChannelEdit, MovesAChannelEventOnly) {
    auto list = testing_support::listOf({{0, {0x91, 0x3C, 0x64}}, {0, {0xFF, 0x20, 0x01, 0x03}}, {0, {0xC2, 0x05}}});
    list.setText(3, ColCh, "3");  // a pasted Ch. cell
    list.setText(3, ColComment, "<Honky-tonk Piano>");
    EXPECT_EQ(editableChannel(list, 1), 2);
    EXPECT_EQ(editableChannel(list, 2), 0);  // FF 20 has its own dialog
    EXPECT_EQ(editableChannel(list, list.trailingRow()), 0);
    EXPECT_TRUE(channelEdit(list, 2, 5).empty());
    EXPECT_TRUE(channelEdit(list, 1, 2).empty());  // nothing changes
    EXPECT_TRUE(channelEdit(list, 1, 17).empty());

    auto edit = channelEdit(list, 3, 16);
    EXPECT_EQ(edit.name, "Edit Channel");
    auto expected = rowsOf(list);
    expected[2].bytes[0] = 0xCF;
    expected[2].texts = {{ColComment, "<Honky-tonk Piano>"}};
    applyThreeWays(list, edit);
    EXPECT_EQ(rowsOf(list), expected);
    EXPECT_EQ(cellText(list, 3, ColCh, {}), "16");
    EXPECT_EQ(cellText(list, 3, ColEvent, {}), "CF ");
}

TEST(Transpose, NotesOfOneChannelWithinTheChosenRows) {
    auto list = testing_support::listOf({
        {0, textMeta(0x06, "Main A")},  // 1
        {0, {0x90, 0x3C, 0x64}},        // 2
        {0, {0x90, 0x7F, 0x64}},        // 3: stays at 7F, still counted
        {0, {0x91, 0x3C, 0x64}},        // 4: another channel
        {0, {0x80, 0x3C, 0x00}},        // 5
        {0, {0x90, 0x3C}},              // 6: one data byte, left alone
        {0, textMeta(0x06, "Main B")},  // 7
        {0, {0x90, 0x40, 0x64}},        // 8
        {0, {0x80, 0x40, 0x00}},        // 9
    });
    list.setText(5, ColComment, "kept text");

    EXPECT_EQ(transposeStart(list, 3, false), 1);
    EXPECT_EQ(transposeStart(list, 3, true), 2);
    EXPECT_EQ(transposeStart(list, 1, true), 2);  // the marker itself starts its section
    EXPECT_EQ(transposeStart(list, 9, true), 8);

    auto section = transposeNotes(list, transposeStart(list, 4, true), true, 1, 12);
    EXPECT_EQ(section.notes, 3);
    EXPECT_EQ(section.edit.name, "Transpose");
    ASSERT_EQ(section.edit.replaced.size(), 2u);  // 7F stays as it is
    auto expected = rowsOf(list);
    expected[1].bytes[1] = 0x48;
    expected[4].bytes[1] = 0x48;
    expected[4].texts.clear();  // the comment follows the new note
    applyThreeWays(list, section.edit);
    EXPECT_EQ(rowsOf(list), expected);
    EXPECT_EQ(cellText(list, 5, ColComment, {}), "n=C6  v=0");

    // All sections, downwards, kept within 0.
    auto all = transposeNotes(list, 1, false, 1, -24);
    EXPECT_EQ(all.notes, 5);
    redo(list, all.edit);
    EXPECT_EQ(list.dataBytes(2)[0], 0x30);
    EXPECT_EQ(list.dataBytes(3)[0], 0x67);
    EXPECT_EQ(list.dataBytes(8)[0], 0x28);
    EXPECT_EQ(list.dataBytes(4)[0], 0x3C);
    EXPECT_EQ(transposeNotes(list, 1, false, 1, -127).edit.replaced.size(), 5u);  // every one goes down to 0
    EXPECT_EQ(list.dataBytes(6)[0], 0x3C);
}

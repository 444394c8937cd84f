#include <gtest/gtest.h>

#include "document/event_cells.h"
#include "events/insert_event.h"
#include "events/program_edit.h"
#include "events/row_commands.h"
#include "support/event_rows.h"
#include "support/three_ways.h"

using namespace document;
using namespace events;
using testing_support::listOf;
using testing_support::applyThreeWays;
using testing_support::rowsOf;

namespace {

std::vector<std::string> column(const EventList& list, int c) {
    std::vector<std::string> out;
    for (int r = 1; r <= list.eventCount(); ++r) out.push_back(cellText(list, r, c, {96, 4}));
    return out;
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(DeleteCommand, PassesTicksOnAndKeepsProtectedNotes) {
    auto list = listOf({{0, {0xFF, 0x06, 'A'}}, {30, {0xB0, 7, 100}}, {10, {0xC0, 1}}});
    const auto mbt = column(list, ColMbt);
    auto edit = deleteEdit(list, {*singleDeleteRow(list, 2, false)});
    applyThreeWays(list, edit);
    EXPECT_EQ(column(list, ColTick), (Strings{"0", "40"}));
    EXPECT_EQ(column(list, ColMbt)[1], mbt[2]);

    // Single delete: a protected note, the trailing row and rows below 1 are not removed.
    auto notes = listOf({{0, {0x90, 60, 100}}, {10, {0x80, 60, 0}}});
    EXPECT_FALSE(singleDeleteRow(notes, 1, false));
    EXPECT_EQ(singleDeleteRow(notes, 1, true), 1);
    EXPECT_FALSE(singleDeleteRow(notes, notes.trailingRow(), true));
    EXPECT_FALSE(singleDeleteRow(notes, 0, true));

    // Three selected notes and two selected control changes, notes protected:
    // the notes stay (their flags are to be cleared), the two go.
    auto mixed = listOf({{0, {0x90, 60, 1}}, {0, {0x90, 62, 1}}, {5, {0xB0, 1, 2}}, {0, {0x80, 60, 0}},
                         {7, {0xB0, 1, 3}}, {0, {0xC0, 1}}});
    for (int r : {1, 2, 3, 4, 5}) mixed.setSelected(r, true);
    const auto plan = selectionDelete(mixed, false);
    EXPECT_EQ(plan.rows, (std::vector<int>{3, 5}));
    EXPECT_EQ(plan.keptNotes, (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(selectionDelete(mixed, true).rows.size(), 5u);
    auto removeTwo = deleteEdit(mixed, plan.rows);
    applyThreeWays(mixed, removeTwo);
    EXPECT_EQ(column(mixed, ColTick), (Strings{"0", "0", "5", "7"}));
    // The current row follows its event.
    EXPECT_EQ(rowAfterDelete(plan.rows, 6), 4);
    EXPECT_EQ(rowAfterDelete(plan.rows, 2), 2);
    EXPECT_EQ(rowAfterDelete({1, 2}, 1), 1);
}

TEST(MoveAndTickCommands, SwapWholeRowsAndRetimeLaterEvents) {
    auto list = listOf({{0, {0xC0, 1}}, {10, {0xB0, 7, 1}}, {20, {0xB0, 7, 2}}});
    list.setSelected(3, true);
    auto up = moveEdit(list, 3, true);
    applyThreeWays(list, up);
    // Both events change their times: the deltas moved with them.
    EXPECT_EQ(column(list, ColData), (Strings{"01 ", "07 02 ", "07 01 "}));
    EXPECT_EQ(column(list, ColTick), (Strings{"0", "20", "10"}));
    EXPECT_EQ(column(list, ColMbt), (Strings{"1:01:0", "1:01:20", "1:01:30"}));
    EXPECT_TRUE(list.selected(2));
    EXPECT_FALSE(list.selected(3));

    EXPECT_TRUE(moveEdit(list, 1, true).empty());
    EXPECT_TRUE(moveEdit(list, 3, false).empty());
    EXPECT_TRUE(moveEdit(list, list.trailingRow(), true).empty());
    auto down = moveEdit(list, 1, false);
    EXPECT_EQ(down.name, "Move Down");
    applyThreeWays(list, down);
    EXPECT_EQ(column(list, ColEvent)[1], "C0 ");

    auto tick = deltaEdit(list, 2, 96);
    applyThreeWays(list, tick);
    EXPECT_EQ(column(list, ColMbt), (Strings{"1:01:20", "1:02:20", "1:02:30"}));
    EXPECT_TRUE(deltaEdit(list, 2, 96).empty());
    EXPECT_TRUE(deltaEdit(list, list.trailingRow(), 5).empty());
}

TEST(ProgramEdit, NewBankGainsBankSelectsAboveTheProgram) {
    // Channel 2 has no bank select; channel 1's do not count.
    auto list = listOf({{0, {0xB0, 0, 5}}, {10, {0xC1, 4}}, {3, {0x91, 60, 1}}});
    const auto found = lookUpBank(list, 2, 1);
    EXPECT_EQ(found.msbRow, 0);
    EXPECT_EQ(found.bank(), 0);
    auto edit = programEdit(list, 2, 7, "Strings", found, 3 * 128 + 2);
    applyThreeWays(list, edit);
    EXPECT_EQ(column(list, ColEvent), (Strings{"B0 ", "B1 ", "B1 ", "C1 ", "91 "}));
    EXPECT_EQ(column(list, ColData), (Strings{"00 05 ", "20 02 ", "00 03 ", "07 ", "3C 01 "}));
    EXPECT_EQ(column(list, ColTick), (Strings{"0", "0", "0", "10", "3"}));
    EXPECT_EQ(column(list, ColComment)[1], "BANK SELECT LSB");
    EXPECT_EQ(column(list, ColComment)[3], "Strings");

    // Now the lookup finds them; a bank whose MSB alone differs rewrites that row only.
    const auto again = lookUpBank(list, 4, 1);
    EXPECT_EQ(again.msbRow, 3);
    EXPECT_EQ(again.lsbRow, 2);
    EXPECT_EQ(again.bank(), 3 * 128 + 2);
    auto msbOnly = programEdit(list, 4, 7, "Strings", again, 9 * 128 + 2);
    EXPECT_TRUE(msbOnly.inserted.empty());
    applyThreeWays(list, msbOnly);
    EXPECT_EQ(column(list, ColData)[2], "00 09 ");
    EXPECT_EQ(list.eventCount(), 5);

    // The same bank changes the program change alone.
    auto same = programEdit(list, 4, 8, "Brass", lookUpBank(list, 4, 1), 9 * 128 + 2);
    EXPECT_EQ(same.replaced.size(), 1u);
    EXPECT_TRUE(same.inserted.empty());

    // An LSB found, no MSB: a new MSB of 0 is still inserted when the bank differs.
    auto lsbOnly = listOf({{0, {0xB0, 32, 1}}, {0, {0xC0, 4}}});
    auto edit2 = programEdit(lsbOnly, 2, 4, "x", lookUpBank(lsbOnly, 2, 0), 0);
    applyThreeWays(lsbOnly, edit2);
    EXPECT_EQ(column(lsbOnly, ColData), (Strings{"20 00 ", "00 00 ", "04 "}));
}

TEST(InsertCommand, RowsByTypeWithPresetsAndMissingBytesAsZero) {
    const auto names = builtinNames();
    auto row = [&](int type, std::string hex, int channel = 1) {
        InsertValues v;
        v.type = type;
        v.channel = channel;
        v.hexData = std::move(hex);
        return insertedRow(v, names);
    };
    auto cells = [](const EventRow& r) {
        EventList one;
        one.appendRow(r);
        Strings out;
        for (int c : {ColN, ColTick, ColEvent, ColCh, ColData, ColComment, ColText}) out.push_back(cellText(one, 1, c, {}));
        return out;
    };
    EXPECT_EQ(insertHexPreset(InsertKeyAfterTouch), "3C,7F");
    EXPECT_EQ(insertHexPreset(InsertTimeSignature), "04,02,60,08");
    EXPECT_EQ(insertTypeCaption(InsertChannelAfterTouch), "Chanel after-toch");
    EXPECT_TRUE(insertFields(InsertText).text);
    EXPECT_FALSE(insertFields(InsertText).hexData);
    EXPECT_TRUE(insertFields(InsertPitch).channel);
    EXPECT_FALSE(insertFields(InsertTempo).channel);
    EXPECT_FALSE(insertFields(InsertTrackEnd).hexData);

    EXPECT_EQ(cells(row(InsertKeyAfterTouch, "3C,7F", 3)),
              (Strings{"Ins", "0", "A2 ", "3", "3C 7F ", "n=C5  v=127", "Key after-touch"}));
    EXPECT_EQ(cells(row(InsertController, "87,FF")), (Strings{"Ins", "0", "B0 ", "1", "07 7F ", "MAIN VOLUME", "Control change"}));
    EXPECT_EQ(cells(row(InsertProgram, "04", 16))[5], "<Rhodes Piano>");
    EXPECT_EQ(cells(row(InsertPitch, "00"))[4], "00 00 ");  // the missing MSB is 0
    EXPECT_EQ(cells(row(InsertTempo, "09,27"))[4], "09 27 00 ");
    EXPECT_EQ(cells(row(InsertTempo, "00,00,00"))[5], "BPM=?");
    EXPECT_EQ(cells(row(InsertMidiPort, "1F"))[4], "0F ");
    EXPECT_EQ(cells(row(InsertTrackEnd, "12"))[2], "FF 2F 00 ");
    EXPECT_EQ(cells(row(InsertSmpte, ""))[4], "00 00 00 00 00 ");

    std::string longEntry;
    for (int i = 0; i < 200; ++i) longEntry += "11,";
    EXPECT_EQ(row(InsertF7Sysex, longEntry).bytes.size(), 1 + kMaxInsertedData);
    EXPECT_EQ(row(InsertSequencerSpecific, longEntry).bytes.size(), 2 + kMaxInsertedData);
    auto described = names;
    described.sysexDescription = [](std::span<const std::uint8_t> d) { return d.size() == 8 ? "XG System On" : ""; };
    EXPECT_EQ(cells(insertedRow({InsertF0Sysex, 1, 0, "", "43,10,4C,00,00,7E,00,F7"}, described))[5], "XG System On");

    InsertValues text;
    text.text = "Main A";
    EXPECT_EQ(cells(insertedRow(text, names)), (Strings{"Ins", "0", "FF 06 ", "", "Main A", "Len=6", "Marker"}));
    text.textKind = 9;
    EXPECT_EQ(cells(insertedRow(text, names))[6], "Text");

    // Inserting moves nothing in time; a track end takes its tick from the event below.
    auto list = listOf({{0, {0xC0, 1}}, {10, {0xB0, 7, 1}}});
    const auto times = std::vector<std::uint64_t>{list.absTick(1), list.absTick(2)};
    auto insert = insertEdit(list, 2, row(InsertTrackEnd, ""));
    applyThreeWays(list, insert);
    EXPECT_EQ(column(list, ColTick), (Strings{"0", "1", "9"}));
    EXPECT_EQ(list.absTick(3), times[1]);
    auto atEnd = insertEdit(list, list.trailingRow(), row(InsertTrackEnd, ""));
    applyThreeWays(list, atEnd);
    EXPECT_EQ(column(list, ColTick).back(), "1");
    auto noRoom = insertEdit(list, 1, row(InsertTrackEnd, ""));  // the event below has Tick+ 0
    applyThreeWays(list, noRoom);
    EXPECT_EQ(column(list, ColTick).front(), "0");
    EXPECT_EQ(list.absTick(list.eventCount()), 11u);
}

#include <gtest/gtest.h>

#include "document/event_list.h"
#include "document/hex_text.h"

using namespace document;

TEST(EventRow, CellsKeepEveryByteAndGrowPastOneByteLengths) {
    EventRow row;
    EXPECT_TRUE(row.empty());
    const std::string binary("a\0b\xff\t\n", 6);
    const std::string longText(300, 'x');
    row.setCell(ColData, binary);
    row.setCell(ColComment, longText);
    row.setCell(ColN, "12");
    EXPECT_EQ(row.cell(ColData), binary);
    EXPECT_EQ(row.cell(ColComment), longText);
    EXPECT_EQ(row.cell(ColN), "12");
    EXPECT_EQ(row.cell(ColText), "");
    row.appendCell(ColData, "zz");
    EXPECT_EQ(row.cell(ColData), binary + "zz");
    // A cell set from a view into the same row.
    row.setCell(ColText, row.cell(ColN));
    EXPECT_EQ(row.cell(ColText), "12");
    row.setSelected(true);
    EventRow copy = row;
    EXPECT_EQ(copy, row);
    row.blank();
    EXPECT_EQ(row.cell(ColN), "12");
    EXPECT_EQ(row.cell(ColData), "");
    EXPECT_FALSE(row.selected());
    EXPECT_EQ(copy.cell(ColComment), longText);
}

TEST(EventList, EraseRowsCompactsAndKeepsTrailingRow) {
    EventList list;
    for (int i = 1; i <= 5; ++i) list.appendRow();
    for (int r = 1; r < list.rowCount(); ++r) list.row(r).setCell(ColN, std::to_string(r));
    EXPECT_EQ(list.eventCount(), 5);
    list.eraseRows([](int r, EventRow&) { return r % 2 == 0; });
    ASSERT_EQ(list.eventCount(), 3);
    EXPECT_EQ(list.row(1).cell(ColN), "1");
    EXPECT_EQ(list.row(2).cell(ColN), "3");
    EXPECT_EQ(list.row(3).cell(ColN), "5");
    EXPECT_EQ(list.trailing().cell(ColN), "6");
    list.eraseRows([](int, EventRow&) { return false; });
    EXPECT_EQ(list.eventCount(), 3);
    EXPECT_EQ(list.trailing().cell(ColN), "6");
}

TEST(HexText, ParsesGroupsOfThreeCaseInsensitively) {
    EXPECT_EQ(parseHex("3c 64"), (std::vector<std::uint8_t>{0x3C, 0x64}));
    EXPECT_EQ(parseHex("90 3C 64 "), (std::vector<std::uint8_t>{0x90, 0x3C, 0x64}));
    EXPECT_TRUE(parseHex("9").empty());
    EXPECT_EQ(parseHex("zz 1x"), (std::vector<std::uint8_t>{0x00, 0x10}));
    EXPECT_EQ(hexText(std::vector<std::uint8_t>{0x0A, 0xFF}), "0A FF ");
    // Long system-exclusive data is never cut.
    std::vector<std::uint8_t> big(10000, 0x7E);
    EXPECT_EQ(parseHex(hexText(big)), big);
    EXPECT_EQ(hexByteAt("F0 7E ", 1), 0x7E);
    EXPECT_EQ(hexByteAt("F0 7E ", 2), -1);
}

#include <gtest/gtest.h>

#include "base/hex_text.h"
#include "document/document.h"

using namespace document;

namespace {

void append(EventList& list, const EventRow& row) { list.insertRow(list.trailingRow(), row); }

std::vector<std::uint8_t> sysex(std::size_t n, std::uint8_t fill) {
    std::vector<std::uint8_t> bytes(n + 1, fill);
    bytes[0] = 0xF0;
    return bytes;
}

}  // namespace

TEST(EventList, RowsKeepTheirBytesWhetherShortOrLongThroughEveryChange) {
    EventList list;
    append(list, eventRow(0, {0x90, 60, 100}));
    append(list, eventRow(10, sysex(5000, 0x11)));
    append(list, eventRow(20, {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}));
    append(list, eventRow(0, {0xFF, 0x2F, 0x00}));
    ASSERT_EQ(list.eventCount(), 4);
    EXPECT_EQ(list.row(2).bytes, sysex(5000, 0x11));
    EXPECT_EQ(list.eventLength(3), 3);
    EXPECT_EQ(base::hexText(list.dataBytes(3)), "07 A1 20 ");

    // Replacing long events again and again must not lose the others' bytes
    // when the arena drops what was replaced.
    for (int i = 0; i < 50; ++i) list.setRow(2, eventRow(10, sysex(3000 + i, static_cast<std::uint8_t>(i))));
    EXPECT_EQ(list.row(2).bytes, sysex(3049, 49));
    EXPECT_EQ(base::hexText(list.bytes(3)), "FF 51 03 07 A1 20 ");
    EXPECT_EQ(base::hexText(list.bytes(1)), "90 3C 64 ");

    list.swapRows(1, 3);
    EXPECT_EQ(list.status(1), 0xFF);
    EXPECT_EQ(list.metaType(1), 0x51);
    list.removeRow(2);
    EXPECT_EQ(list.eventCount(), 3);
    EXPECT_EQ(base::hexText(list.bytes(2)), "90 3C 64 ");
    EXPECT_EQ(list.status(list.trailingRow()), -1);
}

TEST(EventList, AbsoluteTicksFollowEveryEditThatMovesTime) {
    EventList list;
    for (std::uint32_t d : {0u, 480u, 0u, 1440u, 7u}) append(list, eventRow(d, {0x90, 60, 1}));
    EXPECT_EQ(list.absTick(5), 1927u);
    EXPECT_EQ(list.absTick(list.trailingRow()), 1927u);
    list.setDelta(2, 100);
    EXPECT_EQ(list.absTick(4), 1540u);
    list.insertRow(1, eventRow(5, {0xB0, 7, 1}));
    EXPECT_EQ(list.absTick(1), 5u);
    EXPECT_EQ(list.absTick(6), 1552u);
    list.swapRows(2, 5);  // deltas move with their rows
    EXPECT_EQ(list.absTick(2), 1445u);
    list.removeRow(1);
    EXPECT_EQ(list.absTick(list.trailingRow()), 1547u);
    EXPECT_EQ(list.removeRowsIf([&](int r) { return r == 1 || r == 4; }), 2);
    EXPECT_EQ(list.absTick(list.trailingRow()), 107u);
}

TEST(EventList, RemoveRowsIfCompactsOnceAndKeepsTheTrailingRow) {
    EventList list;
    for (std::uint8_t i = 1; i <= 5; ++i) append(list, eventRow(i, {0xC0, i}));
    list.setNumber(list.trailingRow(), 6);
    std::vector<int> visited;
    EXPECT_EQ(list.removeRowsIf([&](int r) {
        visited.push_back(r);
        return r % 2 == 0;
    }), 2);
    EXPECT_EQ(visited, (std::vector<int>{1, 2, 3, 4, 5}));
    ASSERT_EQ(list.eventCount(), 3);
    EXPECT_EQ(list.dataBytes(2)[0], 3);
    EXPECT_EQ(list.number(list.trailingRow()), 6u);
    EXPECT_EQ(list.removeRowsIf([](int) { return false; }), 0);
    EXPECT_EQ(list.eventCount(), 3);
}

TEST(EventList, ExplicitTextsAreSharedAndTravelWithTheirRow) {
    EventList list;
    for (int i = 0; i < 3; ++i) {
        auto row = eventRow(0, {0xC0, 1});
        row.setText(ColComment, "<Bright Acoustic Piano>");
        row.setText(ColN, "New");
        append(list, row);
    }
    append(list, eventRow(0, {0xC0, 2}));
    list.setText(4, ColComment, "");  // an explicit empty text hides the derived one
    EXPECT_EQ(*list.explicitText(1, ColComment), "<Bright Acoustic Piano>");
    EXPECT_EQ(list.explicitText(1, ColData), nullptr);
    EXPECT_EQ(list.explicitText(3, ColComment), list.explicitText(1, ColComment));  // interned once
    EXPECT_EQ(cellText(list, 3, ColN, {}), "New");
    EXPECT_EQ(cellText(list, 4, ColComment, {}), "");
    auto copy = list.row(1);
    list.swapRows(1, 4);
    EXPECT_EQ(list.row(4), copy);
    EXPECT_EQ(list.explicitText(1, ColN), nullptr);
    list.setRow(2, eventRow(3, {0x90, 1, 2}));
    EXPECT_EQ(cellText(list, 2, ColComment, {}), "n=C#0 v=2");
}

TEST(HexText, ParsesGroupsOfThreeCaseInsensitively) {
    EXPECT_EQ(base::parseHex("3c 64"), (std::vector<std::uint8_t>{0x3C, 0x64}));
    EXPECT_EQ(base::parseHex("90 3C 64 "), (std::vector<std::uint8_t>{0x90, 0x3C, 0x64}));
    EXPECT_TRUE(base::parseHex("9").empty());
    EXPECT_EQ(base::parseHex("zz 1x"), (std::vector<std::uint8_t>{0x00, 0x10}));
    EXPECT_EQ(base::hexText(std::vector<std::uint8_t>{0x0A, 0xFF}), "0A FF ");
    // Long system-exclusive data is never cut.
    std::vector<std::uint8_t> big(10000, 0x7E);
    EXPECT_EQ(base::parseHex(base::hexText(big)), big);
    EXPECT_EQ(base::hexByteAt("F0 7E ", 1), 0x7E);
    EXPECT_EQ(base::hexByteAt("F0 7E ", 2), -1);
}

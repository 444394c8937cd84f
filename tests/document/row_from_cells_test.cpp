#include <gtest/gtest.h>

#include "document/event_cells.h"
#include "document/row_from_cells.h"
#include "support/event_rows.h"

using namespace document;
using testing_support::textMeta;

namespace {

struct Cells {
    std::array<std::string, kColumnCount> texts;
    RowCells view() const {
        RowCells cells;
        for (std::size_t c = 0; c < texts.size(); ++c) cells[c] = texts[c];
        return cells;
    }
};

Cells cellsOf(const EventList& list, int r) {
    Cells cells;
    for (int c = 0; c < kColumnCount; ++c) cells.texts[static_cast<std::size_t>(c)] = cellText(list, r, c, {480, 4});
    return cells;
}

}  // namespace

// Rows made from the cells that rows show are those rows again (without N
// and flag), and show the same cells: explicit texts only where the bytes
// alone would show something else.
TEST(RowFromCells, RowsShowTheirCellsAgain) {
    auto list = testing_support::listOf({
        {0, {0x90, 0x3C, 0x64}},
        {7, textMeta(0x06, " Main A ")},                      // blanks are text
        {0, textMeta(0x05, "line\r\nbreak")},
        {96, {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}},            // length byte in the Event cell
        {0, {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}},
        {0, {0xC1, 0x05}},
        {1, {0xFF, 0x2F, 0x00}},
    });
    list.setText(5, ColComment, "XG System On");   // what the reader keeps for a sysex
    list.setText(6, ColComment, "<Honky-tonk Piano>");
    list.setSelected(1, true);
    list.setNumber(1, 9);

    for (int r = 1; r <= list.eventCount(); ++r) {
        const auto cells = cellsOf(list, r);
        const auto made = rowFromCells(cells.view());
        ASSERT_TRUE(made.row) << "row " << r << ": " << made.fault;
        auto expected = list.row(r);
        expected.number = 0;
        expected.selected = false;
        EXPECT_EQ(*made.row, expected) << "row " << r;
    }
    EXPECT_EQ(rowFromCells(cellsOf(list, 6).view()).row->texts,
              (std::vector<std::pair<int, std::string>>{{ColComment, "<Honky-tonk Piano>"}}));

    // A hand-typed hex cell stays as typed; its bytes are what it says.
    auto typed = cellsOf(list, 1);
    typed.texts[ColData] = "3E,7F";
    typed.texts[ColCh] = "1";
    const auto row = rowFromCells(typed.view()).row;
    ASSERT_TRUE(row);
    EXPECT_EQ(row->bytes, (std::vector<std::uint8_t>{0x90, 0x3E, 0x7F}));
    EXPECT_EQ(*row->text(ColData), "3E,7F");
    // The comment was copied from the old bytes: it differs now and is kept as it was.
    EXPECT_EQ(*row->text(ColComment), "n=C5  v=100");
    EXPECT_EQ(row->text(ColCh), nullptr);
}

TEST(RowFromCells, CellsThatCannotBeReadMakeNoRow) {
    auto list = testing_support::listOf({{5, {0x90, 0x3C, 0x64}}, {0, textMeta(0x01, "Hi")}});
    const auto note = cellsOf(list, 1);
    auto refusedWith = [&](int column, std::string text, const Cells& base) {
        auto cells = base;
        cells.texts[static_cast<std::size_t>(column)] = std::move(text);
        const auto made = rowFromCells(cells.view());
        return !made.row && !made.fault.empty();
    };
    for (const char* tick : {"", "-1", "12a", " 5", "268435456", "99999999999"})
        EXPECT_TRUE(refusedWith(ColTick, tick, note)) << '"' << tick << '"';
    EXPECT_FALSE(refusedWith(ColTick, "268435455", note));  // the largest delta a file holds
    for (const char* event : {"", "3C ", "90 3", "9G ", "F5 ", "FE ", "FF ", "hello"})
        EXPECT_TRUE(refusedWith(ColEvent, event, note)) << '"' << event << '"';
    for (const char* data : {"3C 6", "zz ", "Main A"}) EXPECT_TRUE(refusedWith(ColData, data, note)) << data;
    // An Event cell of more than 255 bytes cannot be told apart from its data.
    std::string longEvent = "F0 ";
    for (int i = 0; i < 255; ++i) longEvent += "01 ";
    EXPECT_TRUE(refusedWith(ColEvent, longEvent, note));
    // A text event's Data is its text, whatever the characters.
    EXPECT_FALSE(refusedWith(ColData, "zz \xff\x01", cellsOf(list, 2)));
}

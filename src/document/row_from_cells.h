#pragma once
// An event row made from the texts of its cells, as the event clipboard
// holds them. The Event and Data cells are read into bytes once; the row
// keeps a cell as an explicit text only where the text differs from what
// its bytes show, so a row made from the cells a row shows shows them again.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "document/event_row.h"

namespace document {

// Cell texts by column. N, Sel and M:B:T are not read: a made row has no
// number, and its M:B:T follows from where it stands.
using RowCells = std::array<std::string_view, kColumnCount>;

struct RowFromCells {
    std::optional<EventRow> row;
    std::string fault;  // without a row: which cell could not be read, and why
};

// Refuses (no row, a fault) a Tick+ that is not a decimal number up to
// 0FFFFFFF (the largest delta a file holds); an Event cell that is not hex
// text (hex_text.h), holds no byte or more than 255, or starts with a byte
// that is no event status (below 80, F1 to F6, F8 to FE); an FF event
// without its type; and a Data cell that is not hex text, except for a text
// meta event (FF 01 to 07 without a length byte), whose Data cell is its
// text byte for byte.
RowFromCells rowFromCells(const RowCells& cells);

}  // namespace document

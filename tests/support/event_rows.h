#pragma once
// Event rows for tests, built from bytes as a file would give them.
#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "document/event_list.h"

namespace testing_support {

// The bytes of a text meta event: FF, the type, then the text.
inline std::vector<std::uint8_t> textMeta(std::uint8_t type, std::string_view text) {
    std::vector<std::uint8_t> bytes(text.size() + 2);
    bytes[0] = 0xFF;
    bytes[1] = type;
    std::copy(text.begin(), text.end(), bytes.begin() + 2);
    return bytes;
}

// A list of the given rows (Tick+, bytes), each added before the trailing row.
inline document::EventList listOf(std::initializer_list<std::pair<std::uint32_t, std::vector<std::uint8_t>>> rows) {
    document::EventList list;
    for (const auto& [delta, bytes] : rows) list.appendRow(document::eventRow(delta, bytes));
    return list;
}

// Every row of a list as values, the trailing row included.
inline std::vector<document::EventRow> rowsOf(const document::EventList& list) {
    std::vector<document::EventRow> rows;
    for (int r = 1; r < list.rowCount(); ++r) rows.push_back(list.row(r));
    return rows;
}

}  // namespace testing_support

namespace document {
// Readable rows in test failures.
inline void PrintTo(const EventRow& row, std::ostream* os) {
    *os << "{N " << row.number << ", Tick+ " << (row.delta ? std::to_string(*row.delta) : "-") << ", bytes";
    for (std::size_t i = 0; i < row.bytes.size() && i < 12; ++i) *os << ' ' << std::hex << int{row.bytes[i]} << std::dec;
    if (row.bytes.size() > 12) *os << " ...(" << row.bytes.size() << ")";
    *os << ", event " << int{row.eventLength} << (row.selected ? ", selected" : "") << ", " << row.texts.size()
        << " texts}";
}
}  // namespace document

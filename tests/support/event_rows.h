#pragma once
// Event rows for tests, built from bytes as a file would give them.
#include <algorithm>
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

}  // namespace testing_support

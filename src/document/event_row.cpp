#include "document/event_row.h"

#include <algorithm>

namespace document {

void EventRow::setText(int column, std::string text) {
    auto it = std::find_if(texts.begin(), texts.end(), [&](const auto& t) { return t.first >= column; });
    if (it != texts.end() && it->first == column) {
        it->second = std::move(text);
        return;
    }
    texts.insert(it, {column, std::move(text)});
}

const std::string* EventRow::text(int column) const {
    for (const auto& [c, t] : texts)
        if (c == column) return &t;
    return nullptr;
}

int eventCellLength(const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) return 0;
    if (bytes[0] != 0xFF || bytes.size() < 2) return 1;
    switch (bytes[1]) {
        case 0x00: return static_cast<int>(std::min<std::size_t>(bytes.size(), 5));
        case 0x20: case 0x21: case 0x2F: case 0x51: case 0x54: case 0x58: case 0x59:
            return static_cast<int>(std::min<std::size_t>(bytes.size(), 3));
        default: return 2;
    }
}

EventRow eventRow(std::uint32_t delta, std::vector<std::uint8_t> bytes) {
    EventRow row;
    row.delta = delta;
    row.eventLength = static_cast<std::uint8_t>(eventCellLength(bytes));
    row.bytes = std::move(bytes);
    return row;
}

}  // namespace document

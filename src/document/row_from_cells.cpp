#include "document/row_from_cells.h"

#include <charconv>

#include "base/hex_text.h"
#include "document/event_cells.h"

namespace document {
namespace {

constexpr std::uint32_t kLargestDelta = 0x0FFFFFFF;

std::optional<std::uint32_t> deltaOf(std::string_view text) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value > kLargestDelta) return std::nullopt;
    return value;
}

bool isEventStatus(std::uint8_t status) { return status >= 0x80 && (status < 0xF0 || status == 0xF0 || status == 0xF7 || status == 0xFF); }

RowFromCells refused(std::string fault) { return {std::nullopt, std::move(fault)}; }

}  // namespace

RowFromCells rowFromCells(const RowCells& cells) {
    const auto delta = deltaOf(cells[ColTick]);
    if (!delta) return refused("Tick+ is not a number of ticks");
    const auto eventText = cells[ColEvent];
    if (!base::isHexText(eventText)) return refused("Event is not hex bytes");
    EventRow row;
    row.delta = *delta;
    base::parseHexInto(eventText, row.bytes);
    if (row.bytes.empty() || row.bytes.size() > 255) return refused("Event holds no event");
    if (!isEventStatus(row.bytes[0])) return refused("Event does not start with a status byte");
    if (row.bytes[0] == 0xFF && row.bytes.size() < 2) return refused("Event lacks the meta type");
    row.eventLength = static_cast<std::uint8_t>(row.bytes.size());

    const auto dataText = cells[ColData];
    const bool dataIsText = row.bytes[0] == 0xFF && row.bytes[1] >= 0x01 && row.bytes[1] <= 0x07 && row.eventLength == 2;
    if (dataIsText) {
        row.bytes.insert(row.bytes.end(), dataText.begin(), dataText.end());
    } else {
        if (!base::isHexText(dataText)) return refused("Data is not hex bytes");
        const auto data = base::parseHex(dataText);
        row.bytes.insert(row.bytes.end(), data.begin(), data.end());
    }

    std::string derived;
    for (int column : {ColEvent, ColCh, ColData, ColComment, ColText}) {
        derived.clear();
        appendDerivedCell(derived, row.bytes, row.eventLength, column);
        if (derived != cells[static_cast<std::size_t>(column)]) row.setText(column, std::string(cells[static_cast<std::size_t>(column)]));
    }
    return {std::move(row), {}};
}

}  // namespace document

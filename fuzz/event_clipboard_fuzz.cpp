// Event clipboard files of any content: reading never fails but by its
// fault, and whatever it reads is written and read again to the same rows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "events/event_clipboard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto parsed = events::parseEventClipboard(text);
    if (parsed.fault.empty() == parsed.rows.empty()) std::abort();
    if (parsed.rows.empty()) return 0;
    document::Document doc;
    doc.division = 96;
    std::vector<int> rows;
    for (auto& row : parsed.rows) {
        doc.events.appendRow(row);
        rows.push_back(doc.events.eventCount());
    }
    const auto again = events::parseEventClipboard(events::clipboardText(doc, rows));
    if (!again.fault.empty() || again.rows != parsed.rows) std::abort();
    return 0;
}

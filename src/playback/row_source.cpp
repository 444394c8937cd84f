#include "playback/row_source.h"

#include "document/document.h"
#include "document/hex_text.h"

namespace playback {

// Rows hold their cells as text today: the Event cell and, but for text
// metas whose Data cell is the text itself, the Data cell are hex bytes.
void readRowEvent(const document::EventList& list, int r, RowEvent& out) {
    const auto& row = list.row(r);
    out.delta = document::tickOf(row);
    document::parseHexInto(row.cell(document::ColEvent), out.bytes);
    out.eventLength = out.bytes.size();
    const auto data = row.cell(document::ColData);
    const bool textMeta = out.bytes.size() >= 2 && out.bytes[0] == 0xFF && out.bytes[1] >= 0x01 && out.bytes[1] <= 0x07;
    if (textMeta) {
        out.bytes.insert(out.bytes.end(), data.begin(), data.end());
    } else {
        const auto parsed = document::parseHex(data);
        out.bytes.insert(out.bytes.end(), parsed.begin(), parsed.end());
    }
}

}  // namespace playback

#include "events/transpose.h"

#include <algorithm>

#include "document/event_cells.h"
#include "events/edit_names.h"
#include "events/row_commands.h"

namespace events {
namespace {

constexpr std::string_view kMarkerText = "Marker";

}  // namespace

int transposeStart(const document::EventList& list, int currentRow, bool currentSectionOnly) {
    if (!currentSectionOnly) return 1;
    for (int r = std::min(currentRow, list.rowCount() - 1); r >= 1; --r)
        if (document::kindCell(list, r) == kMarkerText) return r + 1;
    return 1;
}

Transposition transposeNotes(const document::EventList& list, int first, bool sectionOnly, int channel, int amount) {
    Transposition result;
    result.edit.name = kTranspose;
    for (int r = std::max(first, 1); r <= list.eventCount(); ++r) {
        if (!isNoteRow(list, r)) {
            if (sectionOnly && document::kindCell(list, r) == kMarkerText) break;
            continue;
        }
        const auto data = list.dataBytes(r);
        if ((list.status(r) & 0x0F) + 1 != channel || data.size() != 2) continue;
        ++result.notes;
        const auto note = static_cast<std::uint8_t>(std::clamp(data[0] + amount, 0, 127));
        const bool keptTexts = list.explicitText(r, document::ColData) || list.explicitText(r, document::ColComment);
        if (note == data[0] && !keptTexts) continue;
        auto before = list.row(r);
        auto after = withNoteData(before, note, data[1]);
        result.edit.replaced.push_back({r, std::move(before), std::move(after)});
    }
    return result;
}

}  // namespace events

#include "events/row_commands.h"

#include <algorithm>
#include <string>

#include "events/edit_names.h"

namespace events {

bool isNoteRow(const document::EventList& list, int r) {
    const int status = list.status(r);
    return status >= 0x80 && status < 0xA0;
}

document::EventRow withNoteData(document::EventRow row, std::uint8_t key, std::uint8_t velocity) {
    row.bytes.resize(static_cast<std::size_t>(row.eventLength) + 2);
    row.bytes[row.eventLength] = key;
    row.bytes[row.eventLength + 1u] = velocity;
    std::erase_if(row.texts, [](const auto& text) {
        return text.first == document::ColData || text.first == document::ColComment;
    });
    return row;
}

std::optional<int> singleDeleteRow(const document::EventList& list, int current, bool delNote) {
    if (current < 1 || current > list.eventCount()) return std::nullopt;
    if (!delNote && isNoteRow(list, current)) return std::nullopt;
    return current;
}

SelectionDelete selectionDelete(const document::EventList& list, bool delNote) {
    SelectionDelete plan;
    for (int r = 1; r <= list.eventCount(); ++r) {
        if (!list.selected(r)) continue;
        if (!delNote && isNoteRow(list, r)) plan.keptNotes.push_back(r);
        else plan.rows.push_back(r);
    }
    return plan;
}

document::Edit deleteEdit(const document::EventList& list, const std::vector<int>& rows) {
    return document::removeRows(list, rows, std::string(kDeleteEvents));
}

int rowAfterDelete(const std::vector<int>& rows, int current) {
    const auto above = std::lower_bound(rows.begin(), rows.end(), current) - rows.begin();
    return std::max(current - static_cast<int>(above), 1);
}

document::Edit moveEdit(const document::EventList& list, int row, bool up) {
    const int other = up ? row - 1 : row + 1;
    document::Edit edit;
    edit.name = up ? kMoveUp : kMoveDown;
    if (row < 1 || other < 1 || row > list.eventCount() || other > list.eventCount()) return edit;
    const int first = std::min(row, other);
    auto upper = list.row(first);
    auto lower = list.row(first + 1);
    edit.replaced.push_back({first, upper, lower});
    edit.replaced.push_back({first + 1, std::move(lower), std::move(upper)});
    return edit;
}

document::Edit deltaEdit(const document::EventList& list, int row, std::uint32_t delta) {
    if (row < 1 || row > list.eventCount()) return {};
    auto after = list.row(row);
    after.delta = delta;
    return document::replaceRow(list, row, std::move(after), std::string(kEditTick));
}

}  // namespace events

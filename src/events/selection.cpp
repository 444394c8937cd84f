#include "events/selection.h"

#include <algorithm>

#include "document/event_cells.h"
#include "events/navigation.h"

namespace events {

std::optional<RowRange> sectionRange(const document::EventList& list, int currentRow) {
    const std::string name = sectionAt(list, currentRow);
    if (name.empty()) return std::nullopt;
    const auto marker = findMarker(list, name);
    if (!marker) return std::nullopt;
    RowRange range{marker->row, marker->row};
    for (int r = marker->row + 1; r <= list.eventCount(); ++r) {
        if (list.isMarker(r) && !document::dataCellEquals(list, r, name)) break;
        range.last = r;
    }
    return range;
}

std::vector<int> rangeFlips(const document::EventList& list, std::optional<RowRange> range, bool on) {
    const int first = range ? std::max(range->first, 1) : 1;
    const int last = range ? std::min(range->last, list.eventCount()) : list.eventCount();
    std::vector<int> rows;
    for (int r = first; r <= last; ++r)
        if (list.status(r) >= 0 && list.selected(r) != on) rows.push_back(r);
    return rows;
}

std::optional<RowRange> applyFlips(document::EventList& list, const std::vector<int>& rows) {
    if (rows.empty()) return std::nullopt;
    for (int r : rows) list.setSelected(r, !list.selected(r));
    return RowRange{rows.front(), rows.back()};
}

}  // namespace events

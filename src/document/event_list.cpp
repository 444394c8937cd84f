#include "document/event_list.h"

namespace document {

void EventList::insertRow(int r, EventRow row) {
    rows_.insert(rows_.begin() + (r - 1), std::move(row));
}

void EventList::removeRow(int r) { rows_.erase(rows_.begin() + (r - 1)); }

void EventList::eraseRows(const std::function<bool(int, EventRow&)>& drop) {
    std::size_t out = 0;
    const std::size_t events = rows_.size() - 1;
    for (std::size_t in = 0; in < events; ++in) {
        if (drop(static_cast<int>(in + 1), rows_[in])) continue;
        if (out != in) rows_[out] = std::move(rows_[in]);
        ++out;
    }
    if (out != events) rows_[out] = std::move(rows_.back());
    rows_.resize(out + 1);
}

}  // namespace document

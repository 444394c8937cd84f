#pragma once
// The event list: the MIDI part as grid rows. Rows are numbered as the grid
// numbers them: row 0 is the header (not stored), rows 1 to N are events and
// row N + 1 is the empty row that always follows the last event.
#include <cstdint>
#include <functional>
#include <vector>

#include "document/event_row.h"

namespace document {

class EventList {
public:
    EventList() : rows_(1) {}

    // The grid's row count: header, N events and the trailing empty row.
    int rowCount() const { return static_cast<int>(rows_.size()) + 1; }
    int eventCount() const { return static_cast<int>(rows_.size()) - 1; }

    // Grid row r, 1 <= r < rowCount().
    EventRow& row(int r) { return rows_[static_cast<std::size_t>(r - 1)]; }
    const EventRow& row(int r) const { return rows_[static_cast<std::size_t>(r - 1)]; }
    const EventRow& trailing() const { return rows_.back(); }
    EventRow& trailing() { return rows_.back(); }

    // Header row plus one empty row.
    void clear() { rows_.assign(1, EventRow{}); }
    void reserve(std::size_t events) { rows_.reserve(events + 1); }
    // Adds an empty row at the end: the row being filled becomes an event row.
    EventRow& appendRow() {
        rows_.emplace_back();
        return rows_.back();
    }
    void insertRow(int r, EventRow row = {});
    void removeRow(int r);
    void swapRows(int a, int b) { std::swap(row(a), row(b)); }
    // Removes every event row for which `drop` is true, in one pass.
    void eraseRows(const std::function<bool(int r, EventRow&)>& drop);

    std::vector<EventRow>& rows() { return rows_; }
    const std::vector<EventRow>& rows() const { return rows_; }

private:
    std::vector<EventRow> rows_;
};

}  // namespace document

#pragma once
// The selection commands over the rows' selected flags: a section, all
// rows, and applying what a command decided. Flags are no part of undo.
// Each function is one pass over the rows it concerns.
#include <optional>
#include <vector>

#include "document/event_list.h"

namespace events {

// The rows of the section that `currentRow` lies in: from the first marker
// whose Text cell is "Marker" and whose Data is that section's name, down
// to the row above the next marker with another name (or the last event).
// Nothing when the current row has no section or no such marker exists.
struct RowRange {
    int first = 0;
    int last = 0;
};
std::optional<RowRange> sectionRange(const document::EventList& list, int currentRow);

// The event rows in `range` (all event rows without one) whose flag is not
// `on`, ascending: the rows that selecting (unselecting) them flips.
std::vector<int> rangeFlips(const document::EventList& list, std::optional<RowRange> range, bool on);

// Flips the flags of the given rows; the first and last row it flipped, or
// nothing when `rows` is empty.
std::optional<RowRange> applyFlips(document::EventList& list, const std::vector<int>& rows);

}  // namespace events

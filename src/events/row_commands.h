#pragma once
// Delete, Move Up/Down and Edit Tick+ as edits of the event list. Rows are
// grid rows: 1 to eventCount() are events, the trailing row is none.
#include <cstdint>
#include <optional>
#include <vector>

#include "document/event_list.h"
#include "document/list_edit.h"

namespace events {

// Note off or note on.
bool isNoteRow(const document::EventList& list, int r);

// A note row with new data bytes (key, velocity): its Data and Comment
// cells show them, whatever was typed there before.
document::EventRow withNoteData(document::EventRow row, std::uint8_t key, std::uint8_t velocity);

// Delete with nothing selected: the current event row, unless it is not an
// event row or is a note while note events are protected (`delNote` off).
std::optional<int> singleDeleteRow(const document::EventList& list, int current, bool delNote);

// Delete of the selection: the selected rows to remove, and the selected
// notes that stay because note events are protected (their flags are to be
// cleared). One pass. Both ascending.
struct SelectionDelete {
    std::vector<int> rows;
    std::vector<int> keptNotes;
};
SelectionDelete selectionDelete(const document::EventList& list, bool delNote);

// The delete edit of those rows (Tick+ passes on, nothing else moves), and
// where the current row goes: it follows its event, or the event that took
// its place, up by the removed rows above it.
document::Edit deleteEdit(const document::EventList& list, const std::vector<int>& rows);
int rowAfterDelete(const std::vector<int>& rows, int current);

// Swaps the event at `row` with its neighbour above (`up`) or below: every
// cell moves with its event, Tick+ included, so both events change their
// times. Empty when there is no such neighbour among the event rows.
document::Edit moveEdit(const document::EventList& list, int row, bool up);

// Sets the Tick+ of an event row; every later event moves with it.
document::Edit deltaEdit(const document::EventList& list, int row, std::uint32_t delta);

}  // namespace events

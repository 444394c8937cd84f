#pragma once
// A change of the event list kept as data: the rows it removes, inserts and
// replaces, with their contents before and after. One walk applies it, the
// reverse walk takes it back, so every command is undone the same way and an
// undo keeps only the rows it touched, never a copy of the list.
//
// Row numbers are grid rows. `removed` numbers rows in the list before the
// edit; `inserted` and `replaced` number them in the list after it. Each
// list ascends. Applying: remove, insert, replace, then renumber the N cells
// when asked; taking back runs the same steps in reverse. Every step is one
// pass over the list, so an edit of 100,000 rows costs about what one of a
// single row costs on a list of a million. Window thread only, like the list.
#include <cstdint>
#include <string>
#include <vector>

#include "document/event_list.h"

namespace document {

struct Replacement {
    int row = 0;
    EventRow before;
    EventRow after;
};

struct Edit {
    std::string name;  // what the Edit menu's "&Undo"/"&Redo" name
    std::vector<RowAt> removed;
    std::vector<RowAt> inserted;
    std::vector<Replacement> replaced;
    // Number every row's N cell 1, 2, 3... after the other steps; the numbers
    // it replaces are kept here when the edit is first applied.
    bool renumber = false;
    std::vector<std::uint32_t> numbersBefore;

    bool empty() const { return removed.empty() && inserted.empty() && replaced.empty() && !renumber; }
};

// What an applied edit may have changed, for the view: the first row whose
// cells may read differently (0: none), the last such row (every later row
// too when `rowsMoved` or `timesMoved`), and whether rows came or went.
struct Touched {
    int first = 0;
    int last = 0;
    bool rowsMoved = false;
    bool timesMoved = false;
    bool textsChanged = false;  // a text meta event came, went or changed: the text lists are stale
};

Touched redo(EventList& list, Edit& edit);
Touched undo(EventList& list, Edit& edit);

// Builders of the edits that several commands share.

// Replaces row r with `after`; an empty edit when nothing differs.
Edit replaceRow(const EventList& list, int r, EventRow after, std::string name);
// Removes the given event rows (ascending, distinct). Each removed row's
// Tick+ passes on to the row that takes its place, so no remaining event
// moves in time.
Edit removeRows(const EventList& list, const std::vector<int>& rows, std::string name);

}  // namespace document

#pragma once
// Puts events at ticks: the edit that takes rows out of the event list and
// places rows at absolute ticks, with every Tick+ worked out again so that
// no other event moves in time. Every note gesture of the roll is one.
//
// Where a placed row goes among the events already at its tick: a note-off
// after the note-offs there and before everything else, so a note that ends
// where another starts (or where a section marker stands) ends first; any
// other row after all of them. Rows placed at one tick keep their order,
// note-offs first. Nothing is placed after the end of track: a row later
// than it goes before it, and the end of track moves to the row's tick.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/event_list.h"
#include "document/list_edit.h"

namespace roll {

struct Placement {
    std::uint64_t tick = 0;
    document::EventRow row;  // its Tick+ is worked out
};

// `removed`: event rows, ascending and distinct. One pass over the list,
// plus a binary search per placement.
document::Edit placeEvents(const document::EventList& list, std::span<const int> removed,
                           std::vector<Placement> placed, std::string name);

// The end-of-track row, or 0 when the last event is none.
int trackEndRow(const document::EventList& list);

}  // namespace roll

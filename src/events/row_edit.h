#pragma once
// Row operations that keep the absolute times of the other events.
#include "document/event_list.h"

namespace events {

// Removes row r; its Tick+ is added to the row that takes its place.
void deleteRow(document::EventList& list, int r);

// Removes every control change 0 and 32 that only selects bank 0 (an MSB of
// 0, or an LSB on a channel with no non-zero MSB above it), keeping absolute
// times, then numbers the N cells from 1. Returns how many rows went.
int removeBankEvents(document::EventList& list);

}  // namespace events

#pragma once
// The one place the player reads an event row: its Tick+ and its bytes.
#include <cstdint>
#include <vector>

#include "document/event_list.h"

namespace playback {

struct RowEvent {
    std::uint32_t delta = 0;
    // The status byte; for meta events the type and the rest; for F0, F7,
    // FF 7F and text metas without their variable-length length.
    std::vector<std::uint8_t> bytes;
    // How many of `bytes` form the Event cell; the rest is the Data cell.
    std::size_t eventLength = 0;
};

// Event row r (1 to eventCount()) into `out`, reusing its buffer.
void readRowEvent(const document::EventList& list, int r, RowEvent& out);

}  // namespace playback

#pragma once
// The one place the player reads an event row: its Tick+ and its bytes.
#include <cstdint>
#include <span>

#include "document/event_list.h"

namespace playback {

struct RowEvent {
    std::uint32_t delta = 0;
    // The status byte; for meta events the type and the rest; for F0, F7,
    // FF 7F and text metas without their variable-length length.
    std::span<const std::uint8_t> bytes;
    // How many of `bytes` form the Event cell; the rest is the Data cell.
    std::size_t eventLength = 0;
};

// Event row r, 1 to eventCount(). The bytes stay valid while the list is unchanged.
inline RowEvent rowEvent(const document::EventList& list, int r) {
    return {list.delta(r), list.bytes(r), static_cast<std::size_t>(list.eventLength(r))};
}

}  // namespace playback

#pragma once
// One row of the event list as a value: what an edit reads, changes and
// keeps for undo. The list stores rows more compactly (event_list.h).
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace document {

enum Column : int {
    ColN = 0,
    ColSel = 1,
    ColTick = 2,
    ColMbt = 3,
    ColEvent = 4,
    ColCh = 5,
    ColData = 6,
    ColComment = 7,
    ColText = 8,
};
inline constexpr int kColumnCount = 9;

struct EventRow {
    std::uint32_t number = 0;            // the N cell; 0 shows an empty cell
    std::optional<std::uint32_t> delta;  // the Tick+ cell; none shows an empty cell
    // Status, meta type and fixed length byte (the Event cell), then the data
    // (the Data cell); the lengths of system-exclusive, text and sequencer-
    // specific events are not kept, they follow from the data when written.
    std::vector<std::uint8_t> bytes;
    std::uint8_t eventLength = 0;  // how many of `bytes` the Event cell shows
    bool selected = false;
    // Cells shown as written here instead of as derived from the bytes.
    std::vector<std::pair<int, std::string>> texts;

    // Sets (or replaces) the explicit text of a cell.
    void setText(int column, std::string text);
    const std::string* text(int column) const;

    friend bool operator==(const EventRow&, const EventRow&) = default;
};

// A row's content and where it stands.
struct RowAt {
    int row = 0;
    EventRow content;
};

// How many of an event's bytes its Event cell shows: the status; for meta
// events also the type, the fixed length byte of the kinds that have one and
// the two value bytes of a sequence number.
int eventCellLength(const std::vector<std::uint8_t>& bytes);
// A row of `bytes` with its Tick+ and no explicit texts.
EventRow eventRow(std::uint32_t delta, std::vector<std::uint8_t> bytes);
// True for the bytes of an end-of-track meta event (FF 2F).
inline bool isTrackEnd(std::span<const std::uint8_t> event) {
    return event.size() >= 2 && event[0] == 0xFF && event[1] == 0x2F;
}

}  // namespace document

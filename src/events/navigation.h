#pragma once
// Finding rows of the event list: the marker and text lists, the section a
// row belongs to, the Find command and the selection keys of the grid.
// Rows are grid rows: 1 to eventCount() are events, rowCount() - 1 the
// trailing empty row.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/event_list.h"

namespace events {

struct TextLists {
    std::vector<std::string> markers;  // Data of every FF 06 row
    std::vector<std::string> texts;    // Data of every FF 01-05 and FF 07 row
};
// Walks from row 1 up to the first row whose Event cell holds no byte.
TextLists collectTextLists(const document::EventList& list);

struct MarkerJump {
    int row = 0;
    std::vector<int> channels;  // 1 to 16, ascending: channels used up to the next marker
};
// The first marker row whose Data is `text`, and the channels of its section.
std::optional<MarkerJump> findMarker(const document::EventList& list, std::string_view text);
// The first row whose Data is exactly `text`.
std::optional<int> findTextRow(const document::EventList& list, std::string_view text);

// The Data of the nearest marker at or above `row` (empty when none or row < 1).
std::string sectionAt(const document::EventList& list, int row);

// The Find kinds: indexes 0 to 14 search a Text cell value; 15 the selected flag.
inline constexpr int kFindKindCount = 16;
inline constexpr int kFindSelected = 15;
// The Find list's captions and the Text cell value each searches for.
std::string_view findKindCaption(int kind);
std::string_view findKindText(int kind);

// The next row after `current` that matches; no wrap. `channel` 0 is "Any",
// 1 to 16 a channel; rows with an empty "Ch." cell match any channel.
std::optional<int> findNext(const document::EventList& list, int current, int kind, int channel);

// Selected event rows (the trailing row does not count).
int selectedCount(const document::EventList& list);

// Flips the selected flag of an event row; the trailing row has no event and
// keeps its flag clear. False when nothing was flipped.
bool flipSelected(document::EventList& list, int row);

// The grid keys and what they do.
enum class GridKey { Up, Down, Enter, Delete, Insert, Plus, Minus, Other };
enum class KeyCommand {
    None,
    FlipLeaving,    // Shift+Up/Down: flip the row being left, then move as usual
    Edit,           // Enter
    DeleteEvent,    // Delete
    InsertEvent,    // keypad +
    UnselectAll,    // keypad -
    FlipAndAdvance  // Insert: flip, move one row down
};
KeyCommand keyCommand(GridKey key, bool shift, bool keypad);

// Insert key: flips the current row's flag and returns the row to move to
// (one down while a row exists below).
int flipAndAdvance(document::EventList& list, int current);

}  // namespace events

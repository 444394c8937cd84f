#pragma once
// The nine cell texts of an event row, formatted from the row's bytes and
// integers when they are shown or printed. A cell with an explicit text
// (event_list.h) shows that text instead.
//
// Derived texts, by kind (d = the data bytes read so far):
//   notes and key after-touch: "n=" note name, then " v=" d1 once d1 is there;
//   control change: the controller name once d0 is there; pitch wheel: "v="
//   and the 14-bit value with both bytes; sequence number: "v=" with both
//   value bytes; texts: "Len=" and the length; tempo, time and key signature:
//   their comments with all their bytes. Everything else shows no comment;
//   program names and system-exclusive descriptions depend on files read at
//   the time, so the reader stores them as explicit texts.
#include <cstdint>
#include <string>
#include <string_view>

#include "document/event_list.h"

namespace document {

// What the M:B:T cell is counted in (a numerator of 0 counts as 4).
struct TimeBase {
    std::uint16_t division = 0;
    int barNumerator = 4;
};

// The M:B:T text of an absolute tick: "%d:%02d:%d" of measure, beat and tick,
// beats in quarter notes; a numerator of 0 counts as 4; empty for division 0.
std::string mbtText(std::uint64_t absoluteTick, std::uint16_t division, int barNumerator);

// Appends the text of one cell of grid row r (1 <= r < list.rowCount()).
void appendCell(std::string& out, const EventList& list, int r, int column, TimeBase base);
std::string cellText(const EventList& list, int r, int column, TimeBase base);

// The Text cell (the kind name, or the row's explicit text).
std::string_view kindCell(const EventList& list, int r);
// The channel of the Ch. cell (1 to 16), 0 when the cell is empty.
int channelCell(const EventList& list, int r);
// Whether the Data cell reads exactly `text`.
bool dataCellEquals(const EventList& list, int r, std::string_view text);
// The Data cell of a text meta event: its bytes as they stand.
std::string_view textData(const EventList& list, int r);

}  // namespace document

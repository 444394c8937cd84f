#pragma once
// The playable events of one section of the event list.
#include <optional>
#include <string_view>
#include <vector>

#include "document/event_list.h"
#include "playback/midi_event.h"

namespace playback {

// Appends to `target` the events from the row after the first marker whose
// text is `section` (exact, case-sensitive) up to the next section marker;
// without a section, from the first row up to the first section marker (the
// start-up part). Nothing when the marker is not there.
//
// Markers "SFF1" and "SInt" are passed over and their Tick+ is not counted;
// any other row adds its Tick+ to the running tick. Channel messages become
// short events, F0 messages long events of F0 and their bytes, F7 messages
// long events of their bytes, however long; meta events, rows without bytes
// or without data, and bytes that are no status are passed over.
//
// Cost: one pass over the rows up to the section's end. Window thread.
void CollectEvents(std::vector<TMidiEvent>& target, const document::EventList& events,
                   std::optional<std::string_view> section);

// L, the length of a section list in ticks: the last event's tick plus its
// delta; 0 for an empty list.
std::uint64_t loopLength(const std::vector<TMidiEvent>& section);

// Makes the repetition start on a bar line: beats = L / division rounded up,
// bars = beats / numerator rounded down (a numerator of 0 counts as 4), and
// when the last event lies before bars * numerator * division an empty event
// at that tick is appended. (A list ends when its last event is due, so a
// last event a few ticks before the bar line would otherwise cut every
// repetition short by those ticks.) A division of 0 leaves the list as it is.
void padToBar(std::vector<TMidiEvent>& section, std::uint16_t division, int barNumerator);

}  // namespace playback

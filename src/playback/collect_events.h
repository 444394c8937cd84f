#pragma once
// The playable events of one section of the event list.
#include <optional>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "playback/midi_event.h"

namespace playback {

// Appends to `target` the events from the row after the first marker whose
// text is `section` (exact, case-sensitive) up to the next section marker;
// without a section, from the first row up to the first section marker (the
// start-up part). Nothing when the marker is not there.
//
// Set-up markers ("SFF1", "SFF2", "SInt") are passed over and their Tick+ is not counted;
// any other row adds its Tick+ to the running tick. Channel messages become
// short events, F0 messages long events of F0 and their bytes, F7 messages
// long events of their bytes, however long; meta events, rows without bytes
// or without data, and bytes that are no status are passed over.
//
// Cost: one pass over the rows up to the section's end. Window thread.
void CollectEvents(std::vector<MidiEvent>& target, const document::EventList& events,
                   std::optional<std::string_view> section);

// L, the length of a section list in ticks: the tick of its last event (0
// for an empty list). Adding the last event's Tick+ once more, as a plain
// reading of "tick plus delta" would, counts the last gap twice and makes a
// section whose last gap is long loop on twice its bars.
std::uint64_t loopLength(const std::vector<MidiEvent>& section);

// Makes the repetition start on a bar line: beats = L / division rounded up,
// bars = beats / numerator rounded down (a numerator of 0 counts as 4), and
// when L is below bars * numerator * division an empty event at that tick is
// appended. A list ends when its last event is due, so without it a last
// event a few ticks before the bar line would cut every repetition short.
// A division of 0 leaves the list as it is.
void padToBar(std::vector<MidiEvent>& section, std::uint16_t division, int barNumerator);

}  // namespace playback

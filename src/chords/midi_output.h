#pragma once
// A performance as MIDI: the event list the player and the renderer take,
// and a format 0 file any player plays.
#include <cstdint>
#include <vector>

#include "chords/engine.h"
#include "playback/midi_event.h"

namespace chords {

// The notes (a note-on and a note-off each) and the routed messages in tick
// order, with their deltas; at one tick note-offs come first, so a note
// that ends where the same key starts again does not cut the new one. A
// note that goes on under Pitch Shift starts with a note-on of its new
// pitch: a pitch bend would bend every note of its channel.
std::vector<playback::MidiEvent> performanceEvents(const Performance& performance);

// A format 0 file at `division`: tempo and time signature, the start-up
// events, then the performance events after the last of them.
std::vector<std::uint8_t> performanceFile(const std::vector<playback::MidiEvent>& startup,
                           const std::vector<playback::MidiEvent>& played, std::uint16_t division, std::uint32_t tempo,
                           TimeSignature signature);

}  // namespace chords

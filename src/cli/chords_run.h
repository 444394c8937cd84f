#pragma once
// The chords command: a section of a style played over a typed progression
// as the keyboard plays it, printed as CSV, one line per played note after
// a header, sorted by tick, channel and note; optionally written as a MIDI
// file and rendered as a WAV file.
#include <functional>
#include <string>
#include <vector>

#include "base/message.h"
#include "cli/args.h"
#include "playback/midi_event.h"
#include "playback/timing.h"

namespace cli {

// Renders the start-up list, then the played list once, into `target`.
using WavRenderer = std::function<base::Outcome(std::vector<playback::MidiEvent> startup,
                                               std::vector<playback::MidiEvent> played, const playback::Timing& timing,
                                               const std::string& target)>;

// Exit status 2 for a usage error, a bad progression or a missing section
// (the message on stderr), 1 for a file that cannot be read or written.
// Without a renderer --wav is refused.
int runChords(const Args& args, const WavRenderer& renderWav);

// The CSV header line, without its line end.
inline constexpr const char* kChordsCsvHeader =
    "tick,channel,note,velocity,duration,attack,source_channel,source_note,source_tick,zone,chord,rule";

}  // namespace cli

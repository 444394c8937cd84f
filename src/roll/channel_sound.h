#pragma once
// The instrument a channel plays with at a tick, as the list sets it: the
// last bank selects and program change of the channel at or before that tick. A
// note heard from the roll is sent after these, so it sounds as it will play.
#include <cstdint>
#include <optional>
#include <vector>

#include "document/event_list.h"

namespace roll {

struct ChannelSound {
    std::optional<std::uint8_t> bankMsb;
    std::optional<std::uint8_t> bankLsb;
    std::optional<std::uint8_t> program;
};

// A walk back from `tick` that ends once all three are found.
ChannelSound soundAt(const document::EventList& list, int channel, std::uint64_t tick);

// The messages that set the sound on `channel` (those found), then the note-on.
std::vector<std::vector<std::uint8_t>> noteOnWithSound(const ChannelSound& sound, int channel, int key, int velocity);

}  // namespace roll

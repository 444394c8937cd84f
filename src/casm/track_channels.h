#pragma once
// The track-to-channel table of the CASM editor: for each of the 16 source
// channels ("tracks") of a section, the destination channel its entries
// play on, edited as a whole and written back into one or every section.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "casm/entry.h"

namespace casm {

// Row t (0 to 15) holds the destination channel 1 to 16 of the section's
// entries whose `Track` is t (a later entry overwrites an earlier one);
// t + 1 where the section has no such entry.
std::array<int, 16> trackChannelTable(const std::vector<Entry>& entries, std::string_view section);

// The destination channel (0 to 15) a row's text gives: its number less 1,
// 0 for a number above 16 or below 1; nothing when the text holds no
// number, and then the track's entries keep their channels.
std::optional<int> channelOfCell(std::string_view text);

// Gives every entry of `section` (of every section when it is not set) the
// channel of its track's row, where that differs; those entries get their
// changed flag. Returns their number.
int applyTrackChannels(std::vector<Entry>& entries, const std::array<std::optional<int>, 16>& channels,
                       const std::optional<std::string>& section);

}  // namespace casm

#include "casm/track_channels.h"

#include "base/profile.h"

namespace casm {

std::array<int, 16> trackChannelTable(const std::vector<Entry>& entries, std::string_view section) {
    std::array<int, 16> table{};
    for (int t = 0; t < 16; ++t) table[static_cast<std::size_t>(t)] = t + 1;
    for (const Entry& e : entries)
        if (e.section == section && e[Track] < 16) table[e[Track]] = e[MidiChan] + 1;
    return table;
}

std::optional<int> channelOfCell(std::string_view text) {
    const auto number = base::Profile::parseInt(base::trim(text));
    if (!number) return std::nullopt;
    const int channel = *number - 1;
    return channel < 0 || channel > 15 ? 0 : channel;
}

int applyTrackChannels(std::vector<Entry>& entries, const std::array<std::optional<int>, 16>& channels,
                       const std::optional<std::string>& section) {
    int count = 0;
    for (Entry& e : entries) {
        if ((section && e.section != *section) || e[Track] >= 16) continue;
        const auto& channel = channels[e[Track]];
        if (!channel || e[MidiChan] == *channel) continue;
        e[MidiChan] = static_cast<std::uint8_t>(*channel);
        e.changed = true;
        ++count;
    }
    return count;
}

}  // namespace casm

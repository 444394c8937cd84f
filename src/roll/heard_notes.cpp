#include "roll/heard_notes.h"

#include <algorithm>
#include <array>

#include "roll/notes.h"

namespace roll {

std::uint64_t documentTick(std::uint64_t playTick, const SectionBand& section) {
    const std::uint64_t length = std::max<std::uint64_t>(section.end - section.start, 1);
    return section.start + playTick % length;
}

std::vector<HeardNote> heardNotes(const playback::Bar& bar, const SectionBand& section) {
    NotePairer pairer(bar.events.size());
    for (std::size_t i = 0; i < bar.events.size(); ++i) {
        const auto& e = bar.events[i];
        if (e.isLong()) continue;
        const std::array<std::uint8_t, 3> bytes{static_cast<std::uint8_t>(e.message), static_cast<std::uint8_t>(e.message >> 8),
                                                static_cast<std::uint8_t>(e.message >> 16)};
        pairer.add(static_cast<int>(i + 1), e.tick, bytes, 1);
    }
    const std::uint64_t base = documentTick(bar.start, section);
    const auto at = [&](std::uint64_t tick) { return base + (tick - std::min(tick, bar.start)); };
    std::vector<HeardNote> notes;
    for (const Note& n : pairer.take())
        if (n.onRow != 0) notes.push_back({at(n.start), at(n.offRow != 0 ? n.end : bar.end), n.channel, n.key});
    return notes;
}

}  // namespace roll

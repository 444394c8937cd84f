#include "roll/heard_notes.h"

#include <algorithm>
#include <array>

namespace roll {

std::uint64_t documentTick(std::uint64_t playTick, const SectionBand& section) {
    const std::uint64_t length = std::max<std::uint64_t>(section.end - section.start, 1);
    return section.start + playTick % length;
}

std::vector<HeardNote> heardNotes(const playback::Bar& bar, const SectionBand& section) {
    std::vector<HeardNote> notes;
    std::array<int, 16 * 128> open;
    open.fill(-1);
    const std::uint64_t base = documentTick(bar.start, section);
    const auto at = [&](std::uint64_t tick) { return base + (tick - std::min(tick, bar.start)); };
    for (const auto& e : bar.events) {
        if (e.isLong()) continue;
        const int status = static_cast<int>(e.message & 0xFF);
        const int kind = status & 0xF0;
        if (kind != 0x80 && kind != 0x90) continue;
        const auto key = static_cast<std::uint8_t>(e.message >> 8 & 0x7F);
        const int velocity = static_cast<int>(e.message >> 16 & 0x7F);
        int& slot = open[static_cast<std::size_t>((status & 0x0F) * 128 + key)];
        if (kind == 0x90 && velocity > 0) {
            if (slot >= 0) notes[static_cast<std::size_t>(slot)].end = at(e.tick);
            slot = static_cast<int>(notes.size());
            notes.push_back({at(e.tick), at(bar.end), static_cast<std::uint8_t>(status & 0x0F), key});
        } else if (slot >= 0) {
            notes[static_cast<std::size_t>(slot)].end = at(e.tick);
            slot = -1;
        }
    }
    return notes;
}

}  // namespace roll

#include "roll/channel_sound.h"

namespace roll {

ChannelSound soundAt(const document::EventList& list, int channel, std::uint64_t tick) {
    // The first row after the tick (rows at the tick count: a program set
    // with the note comes before it); the rows are in tick order.
    int lo = 1, hi = list.eventCount() + 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (list.absTick(mid) <= tick) lo = mid + 1;
        else hi = mid;
    }
    ChannelSound sound;
    for (int r = lo - 1; r >= 1 && !(sound.bankMsb && sound.bankLsb && sound.program); --r) {
        const auto b = list.bytes(r);
        if (b.empty() || (b[0] & 0x0F) != channel) continue;
        if ((b[0] & 0xF0) == 0xC0 && b.size() >= 2 && !sound.program) sound.program = b[1] & 0x7F;
        if ((b[0] & 0xF0) == 0xB0 && b.size() >= 3) {
            if (b[1] == 0 && !sound.bankMsb) sound.bankMsb = b[2] & 0x7F;
            if (b[1] == 32 && !sound.bankLsb) sound.bankLsb = b[2] & 0x7F;
        }
    }
    return sound;
}

std::vector<std::vector<std::uint8_t>> noteOnWithSound(const ChannelSound& sound, int channel, int key, int velocity) {
    const auto c = static_cast<std::uint8_t>(channel & 0x0F);
    std::vector<std::vector<std::uint8_t>> messages;
    if (sound.bankMsb) messages.push_back({static_cast<std::uint8_t>(0xB0 | c), 0, *sound.bankMsb});
    if (sound.bankLsb) messages.push_back({static_cast<std::uint8_t>(0xB0 | c), 32, *sound.bankLsb});
    if (sound.program) messages.push_back({static_cast<std::uint8_t>(0xC0 | c), *sound.program});
    messages.push_back({static_cast<std::uint8_t>(0x90 | c), static_cast<std::uint8_t>(key & 0x7F),
                        static_cast<std::uint8_t>(velocity & 0x7F)});
    return messages;
}

}  // namespace roll

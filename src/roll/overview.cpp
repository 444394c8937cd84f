#include "roll/overview.h"

#include <algorithm>

namespace roll {

void NoteOverview::assign(std::span<const Note> notes, std::uint64_t end) {
    fine_.ticks = std::max<std::uint64_t>(1, (end + kFineBuckets) / kFineBuckets);
    fine_.count = static_cast<std::size_t>(end / fine_.ticks + 1);
    fine_.channels.assign(128 * fine_.count, 0);
    fine_.velocities.assign(16 * fine_.count, 0);
    for (const Note& n : notes) {
        const auto bit = static_cast<std::uint16_t>(1u << n.channel);
        const std::size_t first = n.start / fine_.ticks;
        const std::size_t last = std::min((n.end > n.start ? n.end - 1 : n.start) / fine_.ticks, fine_.count - 1);
        auto* row = &fine_.channels[n.key * fine_.count];
        for (std::size_t b = first; b <= last; ++b) row[b] |= bit;
        auto& loud = fine_.velocities[first * 16 + n.channel];
        loud = std::max(loud, n.velocity);
    }
    coarse_.ticks = fine_.ticks * kCoarse;
    coarse_.count = (fine_.count + kCoarse - 1) / kCoarse;
    coarse_.channels.assign(128 * coarse_.count, 0);
    coarse_.velocities.assign(16 * coarse_.count, 0);
    for (int key = 0; key < 128; ++key)
        for (std::size_t b = 0; b < fine_.count; ++b)
            coarse_.channels[key * coarse_.count + b / kCoarse] |= fine_.channels[key * fine_.count + b];
    for (std::size_t b = 0; b < fine_.count; ++b)
        for (std::size_t c = 0; c < 16; ++c) {
            auto& loud = coarse_.velocities[b / kCoarse * 16 + c];
            loud = std::max(loud, fine_.velocities[b * 16 + c]);
        }
}

std::uint64_t NoteOverview::bucketTicks(double ticksPerPixel) const {
    if (fine_.count == 0) return 0;
    if (static_cast<double>(coarse_.ticks) <= ticksPerPixel) return coarse_.ticks;
    if (static_cast<double>(fine_.ticks) <= ticksPerPixel) return fine_.ticks;
    return 0;
}

const NoteOverview::Level* NoteOverview::levelOf(std::uint64_t bucket) const {
    if (bucket == coarse_.ticks) return &coarse_;
    if (bucket == fine_.ticks) return &fine_;
    return nullptr;
}

std::uint16_t NoteOverview::channels(std::uint64_t bucket, int key, std::uint64_t from, std::uint64_t to) const {
    const Level* level = levelOf(bucket);
    if (!level || from >= to) return 0;
    const std::size_t first = from / level->ticks;
    const std::size_t last = std::min((to - 1) / level->ticks, level->count - 1);
    std::uint16_t mask = 0;
    const auto* row = &level->channels[static_cast<std::size_t>(key) * level->count];
    for (std::size_t b = first; b <= last; ++b) mask |= row[b];
    return mask;
}

int NoteOverview::loudest(std::uint64_t bucket, std::uint16_t shown, std::uint64_t from, std::uint64_t to) const {
    const Level* level = levelOf(bucket);
    if (!level || from >= to) return 0;
    const std::size_t first = from / level->ticks;
    const std::size_t last = std::min((to - 1) / level->ticks, level->count - 1);
    int loud = 0;
    for (std::size_t b = first; b <= last; ++b)
        for (int c = 0; c < 16; ++c)
            if (shown >> c & 1) loud = std::max<int>(loud, level->velocities[b * 16 + static_cast<std::size_t>(c)]);
    return loud;
}

}  // namespace roll

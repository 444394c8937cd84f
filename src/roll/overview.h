#pragma once
// The notes seen from far: which channels sound on each key in each short
// span of ticks ("bucket"), and the loudest note-on of each channel per
// bucket, at two coarsenesses. A picture zoomed out so far that a pixel
// covers whole buckets reads these instead of the notes, so its cost
// follows its size, not the number of notes in it.
#include <cstdint>
#include <span>
#include <vector>

#include "roll/notes.h"

namespace roll {

class NoteOverview {
public:
    static constexpr int kFineBuckets = 16384;
    static constexpr int kCoarse = 8;  // fine buckets to a coarse one

    NoteOverview() = default;
    NoteOverview(std::span<const Note> notes, std::uint64_t end) { assign(notes, end); }
    // Made again from `notes`, in the memory it already has.
    void assign(std::span<const Note> notes, std::uint64_t end);

    // The ticks of a bucket at the level that fits `ticksPerPixel` (the
    // coarsest not wider than a pixel); 0 when even the fine buckets are
    // wider than a pixel, and the notes themselves must be drawn.
    std::uint64_t bucketTicks(double ticksPerPixel) const;
    // The channels (bit c) sounding on `key` in the buckets of `bucketTicks`
    // that the ticks [from, to) touch.
    std::uint16_t channels(std::uint64_t bucket, int key, std::uint64_t from, std::uint64_t to) const;
    // The loudest note-on velocity of the channels in `shown` starting in [from, to); 0 for none.
    int loudest(std::uint64_t bucket, std::uint16_t shown, std::uint64_t from, std::uint64_t to) const;

private:
    struct Level {
        std::uint64_t ticks = 0;               // per bucket
        std::size_t count = 0;                 // buckets
        std::vector<std::uint16_t> channels;   // [key * count + bucket]
        std::vector<std::uint8_t> velocities;  // [bucket * 16 + channel]
    };
    const Level* levelOf(std::uint64_t bucket) const;

    Level fine_, coarse_;
};

}  // namespace roll

#pragma once
// The notes of a bar the player is about to play (chord following: the
// pattern as the keyboard plays it over the chords), laid over the section
// in the roll. Notes are paired as the roll pairs them; a bar's note-on
// without its note-off in the bar lasts to the bar's end. Ticks of play become ticks of the document by the section's
// start and length: play loops the section.
#include <cstdint>
#include <span>
#include <vector>

#include "playback/bar_queue.h"
#include "roll/section_bands.h"

namespace roll {

struct HeardNote {
    std::uint64_t start = 0;
    std::uint64_t end = 0;
    std::uint8_t channel = 0;
    std::uint8_t key = 0;
};

// The bar's notes in ticks of the document, within the section's band.
std::vector<HeardNote> heardNotes(const playback::Bar& bar, const SectionBand& section);

// Where a tick of play (the section looped from its start) lies in the document.
std::uint64_t documentTick(std::uint64_t playTick, const SectionBand& section);

}  // namespace roll

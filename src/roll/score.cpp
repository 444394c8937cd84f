#include "roll/score.h"

#include <algorithm>

namespace roll {

std::unique_ptr<const Score> scoreOf(const document::Document& doc) {
    auto score = std::make_unique<Score>();
    score->notes = pairNotes(doc.events);
    score->index = NoteIndex(score->notes);
    score->grid = TimeGrid(doc.division, metersOf(doc.events));
    score->bands = sectionBands(doc.events);
    score->end = endTick(doc.events);
    return score;
}

std::vector<Note> selectedNotes(const Score& score, const document::EventList& list, std::uint16_t channels) {
    std::vector<Note> out;
    for (const Note& n : score.notes)
        if ((channels >> n.channel & 1) && list.selected(n.row())) out.push_back(n);
    return out;
}

const SectionBand* bandAt(const Score& score, std::uint64_t tick) {
    const auto it = std::upper_bound(score.bands.begin(), score.bands.end(), tick,
                                     [](std::uint64_t t, const SectionBand& b) { return t < b.start; });
    if (it == score.bands.begin()) return nullptr;
    const SectionBand& band = *(it - 1);
    return tick < band.end || band.start == band.end ? &band : nullptr;
}

}  // namespace roll

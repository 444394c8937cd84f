#include "roll/score.h"

#include <algorithm>

namespace roll {

std::unique_ptr<Score> scoreOf(const document::Document& doc, std::unique_ptr<Score> previous) {
    // One walk over the rows for the notes, the time signatures and the markers.
    auto score = previous ? std::move(previous) : std::make_unique<Score>();
    score->bands.clear();
    const auto& list = doc.events;
    NotePairer pairer(static_cast<std::size_t>(list.eventCount()), std::move(score->notes));
    std::vector<Meter> meters{{0, 4, 4}};
    std::uint64_t tick = 0;
    for (int r = 1; r <= list.eventCount(); ++r) {
        tick += list.delta(r);
        const auto bytes = list.bytes(r);
        const int eventLength = list.eventLength(r);
        if (bytes.size() >= 2 && bytes[0] == 0xFF) {
            const auto data = bytes.subspan(static_cast<std::size_t>(eventLength));
            if (bytes[1] == 0x58) {
                if (const auto m = meterFrom(tick, data)) addMeter(meters, *m);
            } else if (bytes[1] == 0x06) {
                addBand(score->bands, data, tick, r);
            }
        } else {
            pairer.add(r, tick, bytes, eventLength);
        }
    }
    endBands(score->bands, tick);
    score->notes = pairer.take();
    score->index.assign(score->notes);
    score->overview.assign(score->notes, tick);
    score->grid = TimeGrid(doc.division, std::move(meters));
    score->end = tick;
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

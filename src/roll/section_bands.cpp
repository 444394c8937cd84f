#include "roll/section_bands.h"

#include <algorithm>

#include "document/document.h"

namespace roll {

std::uint64_t endTick(const document::EventList& list) {
    return list.eventCount() > 0 ? list.absTick(list.eventCount()) : 0;
}

void addBand(std::vector<SectionBand>& bands, std::span<const std::uint8_t> markerText, std::uint64_t tick, int row) {
    std::string name(markerText.begin(), markerText.end());
    if (document::isSetupMarker(name)) return;
    if (!bands.empty()) bands.back().end = tick;
    bands.push_back({std::move(name), tick, tick, row});
}

void endBands(std::vector<SectionBand>& bands, std::uint64_t end) {
    if (!bands.empty()) bands.back().end = std::max(bands.back().start, end);
}

std::vector<SectionBand> sectionBands(const document::EventList& list) {
    std::vector<SectionBand> bands;
    for (int r = 1; r <= list.eventCount(); ++r)
        if (list.isMarker(r)) addBand(bands, list.dataBytes(r), list.absTick(r), r);
    endBands(bands, endTick(list));
    return bands;
}

}  // namespace roll

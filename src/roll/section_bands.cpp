#include "roll/section_bands.h"

#include "document/document.h"

namespace roll {

std::uint64_t endTick(const document::EventList& list) {
    return list.eventCount() > 0 ? list.absTick(list.eventCount()) : 0;
}

std::vector<SectionBand> sectionBands(const document::EventList& list) {
    std::vector<SectionBand> bands;
    for (int r = 1; r <= list.eventCount(); ++r) {
        if (!list.isMarker(r)) continue;
        const auto data = list.dataBytes(r);
        std::string name(data.begin(), data.end());
        if (document::isSetupMarker(name)) continue;
        const std::uint64_t tick = list.absTick(r);
        if (!bands.empty()) bands.back().end = tick;
        bands.push_back({std::move(name), tick, tick, r});
    }
    if (!bands.empty()) bands.back().end = std::max(bands.back().start, endTick(list));
    return bands;
}

}  // namespace roll

#include "roll/time_grid.h"

#include <algorithm>

namespace roll {

std::optional<Meter> meterFrom(std::uint64_t tick, std::span<const std::uint8_t> data) {
    if (data.size() < 2) return std::nullopt;
    if (data[0] == 0 || data[1] > 6) return Meter{tick, 4, 4};
    return Meter{tick, data[0], 1 << data[1]};
}

void addMeter(std::vector<Meter>& meters, const Meter& meter) {
    if (!meters.empty() && meters.back().tick == meter.tick) meters.back() = meter;
    else meters.push_back(meter);
}

std::vector<Meter> metersOf(const document::EventList& list) {
    std::vector<Meter> meters{{0, 4, 4}};
    for (int r = 1; r <= list.eventCount(); ++r)
        if (list.metaType(r) == 0x58)
            if (const auto m = meterFrom(list.absTick(r), list.dataBytes(r))) addMeter(meters, *m);
    return meters;
}

std::vector<Snap> snapChoices() {
    std::vector<Snap> choices{{0, false}};
    for (int v : {1, 2, 4, 8, 16, 32}) choices.push_back({v, false});
    for (int v : {2, 4, 8, 16, 32}) choices.push_back({v, true});
    return choices;
}

std::string snapText(const Snap& snap) {
    if (snap.off()) return "Off";
    return "1/" + std::to_string(snap.noteValue) + (snap.triplet ? "T" : "");
}

TimeGrid::TimeGrid(std::uint16_t division, std::vector<Meter> meters) : division_(std::max<std::uint16_t>(division, 1)) {
    if (meters.empty() || meters.front().tick != 0) meters.insert(meters.begin(), Meter{});
    int bar = 1;
    for (std::size_t i = 0; i < meters.size(); ++i) {
        const Meter& m = meters[i];
        const std::uint64_t beat = std::max<std::uint64_t>(1, 4u * division_ / static_cast<unsigned>(m.denominator));
        const Span span{m.tick, beat * static_cast<unsigned>(m.numerator), beat, bar};
        if (i + 1 < meters.size()) {
            const std::uint64_t length = meters[i + 1].tick - m.tick;
            bar += static_cast<int>((length + span.barLength - 1) / span.barLength);
        }
        spans_.push_back(span);
    }
}

std::size_t TimeGrid::spanAt(std::uint64_t tick) const {
    const auto it = std::upper_bound(spans_.begin(), spans_.end(), tick,
                                     [](std::uint64_t t, const Span& s) { return t < s.start; });
    return static_cast<std::size_t>(it - spans_.begin()) - 1;
}

TimeGrid::Bar TimeGrid::barAt(std::uint64_t tick) const {
    const Span& s = spans_[spanAt(tick)];
    const std::uint64_t index = (tick - s.start) / s.barLength;
    Bar bar{s.start + index * s.barLength, s.barLength, s.beat, s.firstBar + static_cast<int>(index)};
    // A bar cut short by the next time signature.
    const std::size_t next = spanAt(tick) + 1;
    if (next < spans_.size()) bar.length = std::min(bar.length, spans_[next].start - bar.start);
    return bar;
}

std::uint64_t TimeGrid::snapStep(const Snap& snap) const {
    if (snap.off()) return 0;
    std::uint64_t step = 4u * division_ / static_cast<unsigned>(snap.noteValue);
    if (snap.triplet) step = step * 2 / 3;
    return std::max<std::uint64_t>(step, 1);
}

std::uint64_t TimeGrid::snapped(std::uint64_t tick, const Snap& snap) const {
    const std::uint64_t step = snapStep(snap);
    if (step == 0) return tick;
    const Bar bar = barAt(tick);
    const std::uint64_t down = bar.start + (tick - bar.start) / step * step;
    const std::uint64_t up = std::min(down + step, bar.start + bar.length);
    return tick - down <= up - tick ? down : up;
}

std::uint64_t TimeGrid::snappedDown(std::uint64_t tick, const Snap& snap) const {
    const std::uint64_t step = snapStep(snap);
    if (step == 0) return tick;
    const Bar bar = barAt(tick);
    return bar.start + (tick - bar.start) / step * step;
}

}  // namespace roll

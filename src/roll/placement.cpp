#include "roll/placement.h"

#include <algorithm>

#include "roll/notes.h"

namespace roll {
namespace {

bool isNoteOff(const document::EventRow& row) {
    if (row.bytes.size() != 3) return false;
    const int kind = row.bytes[0] & 0xF0;
    return kind == 0x80 || (kind == 0x90 && row.bytes[2] == 0);
}

struct Placed {
    int before = 0;  // the original row it goes before
    bool off = false;
    std::size_t index = 0;  // into the placements
};

}  // namespace

int trackEndRow(const document::EventList& list) {
    const int last = list.eventCount();
    return last >= 1 && document::isTrackEnd(list.eventBytes(last)) ? last : 0;
}

document::Edit placeEvents(const document::EventList& list, std::span<const int> removed,
                           std::vector<Placement> placed, std::string name) {
    document::Edit edit;
    edit.name = std::move(name);
    const int events = list.eventCount();
    const int trackEnd = trackEndRow(list);
    const auto isRemoved = [&](int r) { return std::binary_search(removed.begin(), removed.end(), r); };
    // The first row at or after `from` whose tick is above `tick` (rows are in tick order).
    const auto firstAfter = [&](std::uint64_t tick) {
        int lo = 1, hi = events + 1;
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (list.absTick(mid) <= tick) lo = mid + 1;
            else hi = mid;
        }
        return lo;
    };

    std::vector<Placed> order;
    order.reserve(placed.size());
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const std::uint64_t tick = placed[i].tick;
        const bool off = isNoteOff(placed[i].row);
        int before = firstAfter(tick);
        if (off) {
            // Back over the rows at this tick to just after its note-offs.
            int first = before;
            while (first > 1 && list.absTick(first - 1) == tick) --first;
            before = first;
            while (before <= events && list.absTick(before) == tick &&
                   (isRemoved(before) || noteRole(list, before) == NoteRole::Off))
                ++before;
        }
        if (trackEnd != 0 && before > trackEnd) before = trackEnd;
        if (before > events + 1) before = events + 1;
        order.push_back({before, off, i});
    }
    std::stable_sort(order.begin(), order.end(), [&](const Placed& a, const Placed& b) {
        if (a.before != b.before) return a.before < b.before;
        if (placed[a.index].tick != placed[b.index].tick) return placed[a.index].tick < placed[b.index].tick;
        return a.off && !b.off;
    });

    for (int r : removed) edit.removed.push_back({r, list.row(r)});
    edit.inserted.reserve(placed.size());
    std::uint64_t previous = 0;  // the tick of the row last laid down
    int newRow = 0;
    auto next = order.begin();
    const auto layPlaced = [&](int before) {
        for (; next != order.end() && next->before == before; ++next) {
            Placement& p = placed[next->index];
            p.row.delta = static_cast<std::uint32_t>(p.tick - std::min(p.tick, previous));
            previous = std::max(previous, p.tick);
            edit.inserted.push_back({++newRow, std::move(p.row)});
        }
    };
    auto out = removed.begin();
    for (int r = 1; r <= events; ++r) {
        layPlaced(r);
        if (out != removed.end() && *out == r) {
            ++out;
            continue;
        }
        ++newRow;
        const std::uint64_t tick = std::max(list.absTick(r), previous);
        const auto delta = static_cast<std::uint32_t>(tick - previous);
        previous = tick;
        if (delta == list.delta(r) && (list.hasDelta(r) || delta == 0)) continue;
        auto before = list.row(r);
        auto after = before;
        after.delta = delta;
        edit.replaced.push_back({newRow, std::move(before), std::move(after)});
    }
    layPlaced(events + 1);
    return edit;
}

}  // namespace roll

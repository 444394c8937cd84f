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
    // Rows between the places where rows go or come keep their Tick+: only
    // the first row after such a place is looked at, so the walk costs the
    // number of changes, not the length of the list.
    std::uint64_t previous = 0;  // the tick of the row last laid down
    int newRow = 0;              // the row number it has after the edit
    int survivor = 1;            // the next row not yet laid down
    bool disturbed = false;      // something went or came just before `survivor`
    auto next = order.begin();
    auto out = removed.begin();
    // Lays down the rows before `stop` that stay, then what goes before `stop`.
    const auto layUpTo = [&](int stop) {
        if (survivor < stop) {
            if (disturbed) {
                const std::uint64_t tick = std::max(list.absTick(survivor), previous);
                const auto delta = static_cast<std::uint32_t>(tick - previous);
                if (delta != list.delta(survivor) || (!list.hasDelta(survivor) && delta != 0)) {
                    auto before = list.row(survivor);
                    auto after = before;
                    after.delta = delta;
                    edit.replaced.push_back({newRow + 1, std::move(before), std::move(after)});
                }
                previous = tick;
            }
            newRow += stop - survivor;
            previous = std::max(previous, list.absTick(stop - 1));
            survivor = stop;
            disturbed = false;
        }
        for (; next != order.end() && next->before == stop; ++next) {
            Placement& p = placed[next->index];
            p.row.delta = static_cast<std::uint32_t>(p.tick - std::min(p.tick, previous));
            previous = std::max(previous, p.tick);
            edit.inserted.push_back({++newRow, std::move(p.row)});
            disturbed = true;
        }
    };
    while (next != order.end() || out != removed.end()) {
        const int stop = out == removed.end() ? next->before
                         : next == order.end() ? *out
                                               : std::min(next->before, *out);
        layUpTo(stop);
        if (out != removed.end() && *out == stop) {
            ++out;
            survivor = stop + 1;
            disturbed = true;
        }
    }
    // The first row after the last change.
    if (disturbed && survivor <= events) layUpTo(survivor + 1);
    return edit;
}
}  // namespace roll

#pragma once
// Bars and beats of the event list's time, from its division and its time
// signatures, and snapping to a note value within the bar.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/event_list.h"

namespace roll {

// A time signature from its tick on; a new one starts a new bar.
struct Meter {
    std::uint64_t tick = 0;
    int numerator = 4;
    int denominator = 4;  // the beat's note value: 4 = a quarter note
};

// The time signature of an FF 58 row's data bytes (nn dd cc bb) at `tick`;
// nothing for data too short to hold one.
std::optional<Meter> meterFrom(std::uint64_t tick, std::span<const std::uint8_t> data);
// Adds a meter in tick order: one at the tick of the last replaces it.
void addMeter(std::vector<Meter>& meters, const Meter& meter);

// The time signatures (FF 58) of the list by tick; 4/4 from tick 0 until
// the first one. A numerator of 0 or a denominator above 1/64 counts as 4/4.
std::vector<Meter> metersOf(const document::EventList& list);

// A grid to snap to: a note value (1 = whole, 2 = half ... 32), as a
// triplet or not; note value 0 does not snap.
struct Snap {
    int noteValue = 16;
    bool triplet = false;

    bool off() const { return noteValue == 0; }
    friend bool operator==(const Snap&, const Snap&) = default;
};
// The choices a snap list offers, in order: off, 1/1 to 1/32, then the triplets.
std::vector<Snap> snapChoices();
// "Off", "1/4", "1/8T"...
std::string snapText(const Snap& snap);

class TimeGrid {
public:
    TimeGrid(std::uint16_t division, std::vector<Meter> meters);

    std::uint16_t division() const { return division_; }
    // The tick where the bar holding `tick` starts, and its number from 1.
    struct Bar {
        std::uint64_t start = 0;
        std::uint64_t length = 0;
        std::uint64_t beat = 0;  // ticks of one beat
        int number = 1;
    };
    Bar barAt(std::uint64_t tick) const;

    // Ticks of one step of `snap` (at least 1); 0 when it is off.
    std::uint64_t snapStep(const Snap& snap) const;
    // The nearest step of `snap` counted from the start of the bar (a bar's
    // end also counts), or `tick` itself when snap is off.
    std::uint64_t snapped(std::uint64_t tick, const Snap& snap) const;
    // The step at or below `tick`.
    std::uint64_t snappedDown(std::uint64_t tick, const Snap& snap) const;

    // Calls `visit(tick, bar)` for each bar and beat line in [from, to]:
    // `bar` holds the bar's number on a bar line, 0 on a beat line. Beat
    // lines are left out when fewer than `minBeatTicks` apart.
    template <class Visit>
    void forEachLine(std::uint64_t from, std::uint64_t to, std::uint64_t minBeatTicks, Visit visit) const;

private:
    struct Span {
        std::uint64_t start = 0;
        std::uint64_t barLength = 1;
        std::uint64_t beat = 1;
        int firstBar = 1;
    };
    std::size_t spanAt(std::uint64_t tick) const;

    std::uint16_t division_;
    std::vector<Span> spans_;  // one per meter, by start
};

template <class Visit>
void TimeGrid::forEachLine(std::uint64_t from, std::uint64_t to, std::uint64_t minBeatTicks, Visit visit) const {
    Bar bar = barAt(from);
    while (bar.start <= to) {
        if (bar.start >= from) visit(bar.start, bar.number);
        if (bar.beat >= minBeatTicks)
            for (std::uint64_t t = bar.start + bar.beat; t < bar.start + bar.length && t <= to; t += bar.beat)
                if (t >= from) visit(t, 0);
        bar = barAt(bar.start + bar.length);
    }
}

}  // namespace roll

#pragma once
// The player's clock: ticks from milliseconds with the tempo and division the
// file was read with, the checks that refuse a file the clock cannot serve,
// and the position display.
#include <cstdint>
#include <string>

#include "base/message.h"
#include "document/document.h"

namespace playback {

// The timer's period: the player steps every millisecond.
inline constexpr std::uint32_t kPeriodMs = 1;

struct Timing {
    std::uint16_t division = 0;  // ticks per quarter note
    std::uint32_t tempo = 0;     // microseconds per quarter note
    int barNumerator = 4;
};

// The document's values with the player's defaults: tempo 0 becomes
// 600000 (100 quarter notes per minute), numerator 0 becomes 4.
Timing playerTiming(const document::Document& doc);

// Refuses what the clock cannot serve: a division of 0 (no tick length), and
// a tempo whose quarter note is shorter than one period, which leaves the
// tick arithmetic without a divisor.
base::Outcome checkTiming(const Timing& timing);

// division * elapsed / (tempo / 1000), with tempo / 1000 truncated first.
// Needs a timing checkTiming accepted; 64-bit, so no length of play overflows.
std::uint64_t tickAt(const Timing& timing, std::uint64_t elapsedMs);

// The first millisecond whose tick reaches `tick`.
std::uint64_t msOfTick(const Timing& timing, std::uint64_t tick);

// What the position display shows.
struct Position {
    std::uint64_t tick = 0;
    int nextIndex = 0;
    int sectionCount = 0;
};
// "%02d:%1d:%03d" of bar, beat and tick in beat (4 beats to the bar, counted
// from 0); in counter mode the next index and the section's event count, as
// in "12 (345)".
std::string positionText(const Position& position, std::uint16_t division, bool showCounter);
inline constexpr const char* kStoppedPosition = "00:0:000";

}  // namespace playback

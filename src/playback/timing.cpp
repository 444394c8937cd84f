#include "playback/timing.h"

#include <cstdio>

namespace playback {

Timing playerTiming(const document::Document& doc) {
    Timing t;
    t.division = doc.division;
    t.tempo = doc.tempo == 0 ? 600000 : doc.tempo;
    t.barNumerator = doc.barNumerator <= 0 ? 4 : doc.barNumerator;
    return t;
}

base::Outcome checkTiming(const Timing& timing) {
    if (timing.division == 0)
        return base::failure("Player message", 120,
                            "The file's division is 0: its ticks have no length, so the player cannot play it.");
    if (timing.tempo / 1000 < kPeriodMs)
        return base::failure("Player message", 120,
                            "The file's tempo of " + std::to_string(timing.tempo) +
                                " microseconds per quarter note is faster than the player's 1 ms clock can serve.");
    return {};
}

std::uint64_t tickAt(const Timing& timing, std::uint64_t elapsedMs) {
    return std::uint64_t{timing.division} * elapsedMs / (timing.tempo / 1000);
}

std::uint64_t msOfTick(const Timing& timing, std::uint64_t tick) {
    const std::uint64_t msPerQuarter = timing.tempo / 1000;
    return (tick * msPerQuarter + timing.division - 1) / timing.division;
}

std::string positionText(const Position& position, std::uint16_t division, bool showCounter) {
    char text[64];
    if (showCounter) {
        std::snprintf(text, sizeof text, "%d (%d)", position.nextIndex, position.sectionCount);
    } else {
        const std::uint64_t beats = division == 0 ? 0 : position.tick / division;
        const std::uint64_t inBeat = division == 0 ? 0 : position.tick % division;
        std::snprintf(text, sizeof text, "%02llu:%1llu:%03llu", static_cast<unsigned long long>(beats / 4),
                      static_cast<unsigned long long>(beats % 4), static_cast<unsigned long long>(inBeat));
    }
    return text;
}

}  // namespace playback

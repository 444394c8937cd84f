#pragma once
// The bars a computing side (the chord-following window) hands to the
// player thread ahead of time. The player takes a bar when its first tick is
// due; bars not yet taken can be withdrawn and computed again, which is how
// a change (a chord, a CASM edit, a section) reaches the next bar line.
//
// The player side never blocks: when the window holds the lock, takeDue
// answers "nothing yet" and the player asks again one step later.
#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

#include "playback/midi_event.h"

namespace playback {

struct Bar {
    std::uint64_t index = 0;  // bars from the start of play
    std::uint64_t start = 0;  // ticks from the start of play
    std::uint64_t end = 0;
    std::vector<MidiEvent> events;  // ticks from the start of play, in order, from start to end (note-offs may fall on the end)
};

class BarQueue {
public:
    // Appends a bar after the last one (window thread).
    void push(Bar bar);
    // No bars come after those queued: the run ends after the last (window thread).
    void close();
    // Takes back every bar the player has not taken, in order, and opens the
    // queue again (window thread).
    std::vector<Bar> withdraw();
    // How many bars wait (window thread).
    std::size_t pending() const;
    // How many bars the player has taken since the start.
    std::uint64_t taken() const { return taken_.load(); }

    enum class Take { Bar, NotYet, Ended };
    // Player thread: the first bar when its start is at or before `tick`;
    // Ended when the queue is closed and empty; NotYet otherwise, and also
    // when the lock is busy. Never waits.
    Take takeDue(std::uint64_t tick, Bar& into);

private:
    mutable std::mutex mutex_;
    std::deque<Bar> bars_;
    bool closed_ = false;
    std::atomic<std::uint64_t> taken_{0};
};

}  // namespace playback

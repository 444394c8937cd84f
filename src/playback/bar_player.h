#pragma once
// The player for bars computed ahead (chord following): the start-up list
// plays first, then the bars of a BarQueue one after the other, their ticks
// counted from the start of play. The tempo comes from the controls and may
// change while playing; the clock goes on from the tick it reached. When the
// next bar is not there at a bar line the clock waits at the line, so a late
// bar comes late rather than in a burst. Same stepping as Player: one step a
// period, sends of what is due, never a wait.
#include <cstdint>
#include <vector>

#include "playback/bar_queue.h"
#include "playback/player.h"

namespace playback {

class BarPlayer {
public:
    using Step = Player::Step;
    BarPlayer(std::vector<MidiEvent> startup, BarQueue& bars, Timing timing, const PlayerControls& controls);

    Step start(CMIDIOUT& out);
    Step tick(CMIDIOUT& out);

    std::uint64_t runMs() const { return runMs_; }
    // The tick of play (0 until the start-up list has played).
    std::uint64_t playTick() const { return tick_; }

private:
    Step step(CMIDIOUT& out);
    std::uint64_t clock();
    void send(CMIDIOUT& out, const MidiEvent& e);

    std::vector<MidiEvent> startup_;
    BarQueue& bars_;
    Timing timing_;
    const PlayerControls& controls_;
    Bar bar_;
    bool haveBar_ = false;
    std::size_t next_ = 0;  // in the start-up list, then in the bar
    bool playingStartup_ = true;
    std::uint16_t heard_ = 0;
    std::uint64_t runMs_ = 0;
    std::uint64_t baseMs_ = 0;    // the clock counts from here ...
    std::uint64_t baseTick_ = 0;  // ... at this tick
    std::uint64_t tick_ = 0;
};

}  // namespace playback

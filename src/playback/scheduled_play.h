#pragma once
// Plays through a scheduled port: at each wake-up of the player thread the
// player's steps are run ahead of the port's clock, up to the look-ahead,
// and every message a step sends is stamped with the millisecond of that
// step. The port's clock then decides when each message sounds, however late
// the thread woke. The position display, the end of a run and the heard tick
// are handed on when the port's clock reaches their step, so what is shown
// follows what is heard.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "playback/midi_out.h"
#include "playback/player.h"

namespace playback {

// How far ahead of the port's clock the player runs. Long enough for a
// thread woken late on a busy machine; short enough that a channel switched
// on, a tempo or a bar computed again (a chord, a CASM edit) is heard soon.
inline constexpr std::uint64_t kLookAheadMs = 40;

// kLookAheadMs, but never more than a quarter of a bar of `timing`, so the
// bar player never takes a bar before three quarters of the bar before it
// have sounded, and a change made then is heard at the next bar line.
std::uint64_t lookAheadMs(const Timing& timing);

class ScheduledPlay {
public:
    using StepFunction = std::function<Player::Step(bool first)>;
    // `step` is a player's step (true: its first); each call is one period
    // of kPeriodMs.
    ScheduledPlay(StepFunction step, std::uint64_t lookAheadMs);

    struct Heard {
        std::vector<Position> positions;  // displays that became due, in order
        bool finished = false;            // the last step of the run has sounded
    };
    // One wake-up. The first puts the run's start a look-ahead after the
    // port's clock, so the first events are on time too. A clock that ran
    // more than PeriodicTimer::kMaxCatchUp past the steps (a suspended
    // machine) moves the run on instead of playing the missed steps at once.
    Heard advance(CMIDIOUT& out);
    // The tick of the step heard last (0 before the first).
    std::uint64_t heardTick() const { return heardTick_; }
    // The port clock's millisecond of the run's start; nothing before the first advance.
    std::optional<std::uint64_t> origin() const { return origin_; }

private:
    struct Stepped {
        std::uint64_t runMs;
        std::uint64_t tick;
        std::optional<Position> position;
        bool finished;
    };

    StepFunction step_;
    std::uint64_t lookAhead_;
    std::optional<std::uint64_t> origin_;
    std::uint64_t nextMs_ = 0;  // the run's millisecond of the next step
    bool ended_ = false;
    std::deque<Stepped> unheard_;
    std::uint64_t heardTick_ = 0;
};

}  // namespace playback

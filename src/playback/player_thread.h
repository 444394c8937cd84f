#pragma once
// Plays a section through the output port on a 1 ms periodic thread. The
// thread owns the player and its events; it reads nothing else but the
// controls, and hands the display and the end of the run to its reports.
// Through a timed port each step sends what is due at once; through a
// scheduled port (the built-in synthesizer) the steps run a look-ahead ahead
// of the port's clock and the reports follow that clock (ScheduledPlay).
//
// Start and stop belong to one thread (the window thread). The reports are
// called on the player thread: they must only hand their value over (a
// queued call), never touch a window or call stop().
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "playback/bar_player.h"
#include "playback/periodic_timer.h"
#include "playback/player.h"
#include "playback/scheduled_play.h"

namespace playback {

class PlayerThread {
public:
    struct Reports {
        std::function<void(const Position&)> position;  // every 50 ms of elapsed
        std::function<void()> finished;                 // the run ended without "Loop mode"
    };

    // `prepareThread`, when given, runs first on every new player thread.
    explicit PlayerThread(CMIDIOUT& out, std::function<void()> prepareThread = {})
        : out_(out), prepareThread_(std::move(prepareThread)) {}
    ~PlayerThread() { stop(); }
    PlayerThread(const PlayerThread&) = delete;
    PlayerThread& operator=(const PlayerThread&) = delete;

    // Nothing plays when the section list holds fewer than 2 events or the
    // thread cannot start (false). Otherwise the port is opened (a port that
    // cannot be opened leaves the player running silently) and the first step
    // runs at once on the new thread.
    bool start(std::vector<MidiEvent> startup, std::vector<MidiEvent> section, const Timing& timing,
               const PlayerControls& controls, Reports reports);
    // Plays the start-up list, then the bars of `bars` as they come, until
    // the queue is closed and empty (reported as finished). The queue must
    // outlive the run.
    bool startBars(std::vector<MidiEvent> startup, BarQueue& bars, const Timing& timing, const PlayerControls& controls,
                   Reports reports);
    // Ends the thread first, then sends All Notes Off on every channel and
    // closes the port, so no note hangs and nothing is sent after the close.
    // True when a player was running.
    bool stop();
    bool playing() const { return timer_.running(); }
    // The tick heard now, in the list playing (the start-up list, a pass of
    // the section, or from the first bar in bar play): through a scheduled
    // port the tick of the step its clock has reached, through a timed port
    // that of the last step. Safe from any thread; 0 before the first step.
    std::uint64_t heardTick() const { return heardTick_.load(std::memory_order_relaxed); }

    // For measuring: the timer's start and the player's clock (player thread only).
    const PeriodicTimer& timer() const { return timer_; }
    const Player* player() const { return player_.get(); }

private:
    // Runs `step` (true for the first) every period until it reports the end.
    bool run(ScheduledPlay::StepFunction step, Reports reports, std::uint64_t lookAhead);

    CMIDIOUT& out_;
    std::function<void()> prepareThread_;
    std::unique_ptr<Player> player_;
    std::unique_ptr<BarPlayer> barPlayer_;
    std::unique_ptr<ScheduledPlay> scheduled_;
    std::atomic<std::uint64_t> heardTick_{0};
    PeriodicTimer timer_;
};

}  // namespace playback

#pragma once
// The section player's stepping logic, free of threads and windows: each step
// turns the elapsed milliseconds into a tick and sends the events that are
// due. The start-up list plays first, then the section; with "Loop mode" the
// section repeats, each time after the start-up list when "Init every loop"
// is on. Each list starts again at tick 0.
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

#include "playback/midi_event.h"
#include "playback/midi_out.h"
#include "playback/timing.h"

namespace playback {

// What the window may change while the player runs: plain atomics, written
// by the window thread and read by the player at each step.
struct PlayerControls {
    std::atomic<std::uint16_t> channelSwitches{0xFFFF};  // bit c: channel c (0-15) is sent
    std::atomic<bool> loop{true};
    std::atomic<bool> initEveryLoop{false};
    std::atomic<std::uint32_t> tempo{0};  // microseconds per quarter note for bar play; 0: the file's


    bool channelOn(int channel) const { return channelSwitches.load() >> channel & 1; }
    void setChannel(int channel, bool on);
};

// The channels that sound with parts switched on and parts soloed (bit c:
// channel c): any solo leaves only the soloed parts, whether switched on or not.
std::uint16_t partSwitches(std::uint16_t on, std::uint16_t solo);

// A step costs one comparison plus the sends of the events due. One thread
// at a time steps a player (the player thread while it runs).
class Player {
public:
    // The player keeps its own copy of both lists.
    Player(std::vector<MidiEvent> startup, std::vector<MidiEvent> section, Timing timing,
           const PlayerControls& controls);

    struct Step {
        std::optional<Position> position;  // the display is due (every 50 ms of elapsed)
        bool finished = false;             // the section ended without "Loop mode": stop now
        std::uint64_t tick = 0;            // the tick the step played up to, in the list playing
    };
    // The first step, at elapsed 0.
    Step start(CMIDIOUT& out);
    // The timer's call: elapsed grows by one period, then one step.
    Step tick(CMIDIOUT& out);

    std::uint32_t elapsed() const { return elapsed_; }
    int nextIndex() const { return next_; }
    bool playingStartup() const { return playingStartup_; }
    // Milliseconds since start, never reset: the steps taken times the period.
    std::uint64_t runMs() const { return runMs_; }
    // How many times the section list has played to its end.
    int sectionPasses() const { return passes_; }
    int sectionCount() const { return static_cast<int>(section_.size()); }

private:
    Step step(CMIDIOUT& out);

    std::vector<MidiEvent> startup_;
    std::vector<MidiEvent> section_;
    Timing timing_;
    const PlayerControls& controls_;
    std::uint16_t heard_ = 0;  // the channel switches as the last step saw them
    std::uint32_t elapsed_ = 0;
    std::uint64_t runMs_ = 0;
    int next_ = 0;
    int passes_ = 0;
    bool playingStartup_ = true;
};

// How long a run lasts that plays the start-up list once and the section
// `passes` times, in milliseconds: each list ends when its last event is due,
// and a list after the first starts one step after the one before ended.
std::uint64_t runLengthMs(const std::vector<MidiEvent>& startup, const std::vector<MidiEvent>& section,
                          const Timing& timing, int passes);

// All Notes Off on each channel switched off since `heard` (the switches as
// the last step saw them), so its sounding notes stop at once, and what a
// scheduled port holds for it is withdrawn; `heard` becomes the switches now.
void silenceSwitchedOff(std::uint16_t& heard, const PlayerControls& controls, CMIDIOUT& out);

// All Notes Off (controller 123) on every channel, and nothing held back
// by a scheduled port.
void allNotesOff(CMIDIOUT& out);

}  // namespace playback

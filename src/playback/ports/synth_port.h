#pragma once
// A Synth as a port, for whatever renders its samples: the built-in
// synthesizer's audio driver, the file renderer, or a test that renders
// blocks itself. A timed SynthPort applies each message when it is sent, so
// it sounds from the next block rendered. A scheduled one keeps a FluidSynth
// sequencer registered with the synth, whose clock is the synth's count of
// rendered samples in milliseconds: a message sent ahead is applied by the
// audio thread itself at the start of the first block that reaches its
// millisecond, at most one block (64 samples) after its ideal sample,
// however late the sending thread ran.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <mutex>
#include <string>
#include <vector>

#include "playback/midi_port.h"
#include "playback/ports/fluid_synth.h"

namespace playback::ports {

class SynthPort final : public MidiPort {
public:
    SynthPort(Synth& synth, PortTiming timing, std::string name = "Renderer");
    ~SynthPort() override;
    SynthPort(const SynthPort&) = delete;
    SynthPort& operator=(const SynthPort&) = delete;

    std::string name() const override { return name_; }
    bool open() override { return true; }
    void close() override {}
    // Drops every message sent ahead, then stops every note and sound.
    void reset() override;
    bool send(std::span<const std::uint8_t> message) override { return synth_.send(message); }
    PortTiming timing() const override { return sequencer_ ? PortTiming::Scheduled : PortTiming::Timed; }
    std::uint64_t clockMs() const override;
    bool sendAt(std::span<const std::uint8_t> message, std::uint64_t atMs) override;
    void withdraw(std::uint16_t channels) override;

    // Called on the rendering thread for each scheduled message just before
    // it is applied, with its millisecond: for measuring where it lands.
    // Set before anything is scheduled.
    using Applied = std::function<void(std::span<const std::uint8_t> message, std::uint64_t dueMs)>;
    void onApplied(Applied applied) { applied_ = std::move(applied); }

private:
    // A system-exclusive message waiting in the sequencer.
    struct Held {
        std::uint64_t dueMs;
        std::vector<std::uint8_t> bytes;
    };

    static void dispatch(unsigned int time, fluid_event_t* event, fluid_sequencer_t* sequencer, void* self);
    void apply(void* data, std::uint64_t nowMs);
    void releaseHeld(std::uint64_t beforeMs);

    Synth& synth_;
    std::string name_;
    fluid_sequencer_t* sequencer_ = nullptr;
    fluid_seq_id_t client_ = -1;
    fluid_event_t* event_ = nullptr;
    // Bumped by a withdrawal: a channel message scheduled under an older
    // generation of its channel is dropped when it falls due.
    std::array<std::atomic<std::uint32_t>, 16> generation_{};
    std::mutex heldMutex_;
    std::list<Held> held_;
    Applied applied_;
};

}  // namespace playback::ports

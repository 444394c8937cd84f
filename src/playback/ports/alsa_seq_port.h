#pragma once
// A system MIDI output port through the ALSA sequencer, scheduled: the port
// has a client of its own with a queue, subscribed to the destination, and
// sends each message ahead stamped with the queue's real time at which it
// is to sound, so the kernel delivers it on time however late the player
// thread ran. clockMs() reads the queue's real time. Withdrawn channels and
// a reset remove what is queued and not yet delivered. A destination that
// disappears while open (a keyboard unplugged) makes status() say so.
#include <alsa/asoundlib.h>

#include <atomic>
#include <mutex>
#include <optional>

#include "playback/midi_port.h"

namespace playback::ports {

// Whether the machine has an ALSA sequencer device at all; libasound would
// print its own complaint when asked to open a missing one.
bool sequencerPresent();

class AlsaSeqPort final : public MidiPort {
public:
    explicit AlsaSeqPort(std::string name) : name_(std::move(name)) {}
    ~AlsaSeqPort() override;

    std::string name() const override { return name_; }
    bool open() override;
    // Drops what is queued and silences every channel first.
    void close() override;
    // Drops what is queued, then sustain pedal up and All Notes Off at once.
    void reset() override;
    bool send(std::span<const std::uint8_t> message) override;
    std::string status() const override;
    PortTiming timing() const override { return PortTiming::Scheduled; }
    std::uint64_t clockMs() const override;
    bool sendAt(std::span<const std::uint8_t> message, std::uint64_t atMs) override;
    void withdraw(std::uint16_t channels) override;

private:
    // Under mutex_: `message` to the subscribers, queued at `atMs` or, without it, at once.
    bool output(std::span<const std::uint8_t> message, std::optional<std::uint64_t> atMs);

    std::string name_;
    mutable std::mutex mutex_;  // the sequencer handle is used from the player and window threads
    snd_seq_t* seq_ = nullptr;
    int port_ = -1;
    int queue_ = -1;
    snd_seq_addr_t dest_{};
    mutable std::uint64_t lastClockMs_ = 0;
    std::atomic<bool> failed_{false};
};

// The sequencer's output destinations now, in the order and with the names
// the port list has always shown them; none when there is no sequencer to
// open (then other ways of reaching the system's ports are used).
std::optional<PortList> alsaSeqPorts();

}  // namespace playback::ports

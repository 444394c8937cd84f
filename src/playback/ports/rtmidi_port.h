#pragma once
// A system MIDI output port (JACK, or the ALSA sequencer when the scheduled
// port cannot reach it) through RtMidi, timed, known
// by its API and name. A port that disappears while open (a keyboard
// unplugged) makes status() say so.
#include <RtMidi.h>

#include <atomic>
#include <memory>
#include <mutex>

#include "playback/midi_port.h"

namespace playback::ports {

class RtMidiPort final : public MidiPort {
public:
    RtMidiPort(RtMidi::Api api, std::string name) : api_(api), name_(std::move(name)) {}
    ~RtMidiPort() override;

    std::string name() const override { return name_; }
    bool open() override;
    void close() override;
    // All Notes Off and the sustain pedal up on every channel.
    void reset() override;
    bool send(std::span<const std::uint8_t> message) override;
    std::string status() const override;

private:
    static void onError(RtMidiError::Type type, const std::string& text, void* self);

    RtMidi::Api api_;
    std::string name_;
    std::unique_ptr<RtMidiOut> out_;
    std::atomic<bool> failed_{false};  // RtMidi reported an error while sending
    mutable std::mutex probeMutex_;
    mutable std::unique_ptr<RtMidiOut> probe_;  // lists the ports for status()
};

// The output ports RtMidi lists now, every API it was built with (the ALSA
// sequencer's only `withAlsa`). Where a system has no ALSA sequencer or no
// JACK server there are none of those.
PortList rtMidiPorts(bool withAlsa);

}  // namespace playback::ports

#pragma once
// Port 0: the built-in synthesizer, playing through whatever audio system
// FluidSynth finds (PulseAudio or PipeWire, ALSA, JACK, SDL). With an audio
// output it is scheduled: the synth's own sample clock times what the player
// sends ahead (SynthPort). Without one it still opens and plays silently,
// timed, since no clock runs that nobody renders, and audioNotice() says
// why. The SoundFont is loaded at the first open and kept; the audio device
// is held only while the port is open.
#include <memory>
#include <string>
#include <vector>

#include "playback/midi_port.h"
#include "playback/ports/fluid_synth.h"
#include "playback/ports/synth_port.h"

namespace playback::ports {

inline constexpr const char* kSynthPortName = "Built-in synthesizer (FluidSynth)";

// The notices of a synthesizer that is not heard: no audio driver of
// `tried` opened (FluidSynth's `errors` say why), or no SoundFont.
std::string noAudioNotice(const std::vector<std::string>& tried, const std::string& errors);
std::string noSoundFontNotice();

class FluidSynthPort final : public MidiPort {
public:
    FluidSynthPort() = default;
    ~FluidSynthPort() override;

    std::string name() const override { return kSynthPortName; }
    bool open() override;
    void close() override;
    void reset() override;
    bool send(std::span<const std::uint8_t> message) override;
    std::string audioNotice() const override { return notice_; }
    PortTiming timing() const override { return played_ ? played_->timing() : PortTiming::Scheduled; }
    std::uint64_t clockMs() const override { return played_ ? played_->clockMs() : 0; }
    bool sendAt(std::span<const std::uint8_t> message, std::uint64_t atMs) override;
    void withdraw(std::uint16_t channels) override;

private:
    std::string notice_;
    std::unique_ptr<Synth> synth_;
    std::unique_ptr<SynthPort> played_;  // while open
    fluid_audio_driver_t* driver_ = nullptr;
};

}  // namespace playback::ports

#pragma once
// Port 0: the built-in synthesizer, playing through whatever audio system
// FluidSynth finds (PulseAudio or PipeWire, ALSA, JACK, SDL). Without one it
// still opens and plays silently, and audioNotice() says why. The SoundFont is loaded at the first open
// and kept; the audio device is held only while the port is open.
#include <memory>
#include <string>
#include <vector>

#include "playback/midi_port.h"
#include "playback/ports/fluid_synth.h"

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

private:
    std::string notice_;
    std::unique_ptr<Synth> synth_;
    fluid_audio_driver_t* driver_ = nullptr;
};

}  // namespace playback::ports

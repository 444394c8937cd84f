#pragma once
// A FluidSynth synthesizer set up for styles: a General MIDI SoundFont from
// the system, XG bank selection (bank 127 makes a drum channel, as Yamaha
// styles expect) and MIDI bytes in, as a port receives them.
#include <fluidsynth.h>

#include <cstdint>
#include <filesystem>
#include <span>

namespace playback::ports {

inline constexpr int kSampleRate = 44100;

// FluidR3_GM when installed, else TimGM6mb, else the system's default GM
// SoundFont; empty when there is none.
std::filesystem::path generalMidiSoundFont();

class Synth {
public:
    // Settings for a synthesizer at kSampleRate; the caller may add more
    // (the file renderer's) before make().
    Synth();
    ~Synth();
    Synth(const Synth&) = delete;
    Synth& operator=(const Synth&) = delete;

    fluid_settings_t* settings() const { return settings_; }
    // Creates the synthesizer and loads the SoundFont; false when the
    // synthesizer cannot be made. Without a SoundFont it plays silence.
    bool make();
    fluid_synth_t* synth() const { return synth_; }
    bool hasSoundFont() const { return soundFont_; }

    // One whole MIDI message; system exclusive with F0 and F7 around it.
    bool send(std::span<const std::uint8_t> message);
    // Every note off and every sound stopped, on every channel.
    void silence();
    // Programs, controllers and channel kinds back to their start values.
    void resetState();

private:
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    bool soundFont_ = false;
};

}  // namespace playback::ports

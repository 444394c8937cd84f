#include "playback/ports/fluid_port.h"

#include <string>
#include <vector>

namespace playback::ports {
namespace {

// The audio drivers this FluidSynth has, the desktop's sound servers first.
std::vector<std::string> audioDrivers(fluid_settings_t* settings) {
    std::vector<std::string> present;
    fluid_settings_foreach_option(settings, "audio.driver", &present, [](void* data, const char*, const char* option) {
        static_cast<std::vector<std::string>*>(data)->emplace_back(option);
    });
    std::vector<std::string> order;
    for (const char* wanted : {"pipewire", "pulseaudio", "alsa", "jack", "sdl2"})
        for (const auto& p : present)
            if (p == wanted) order.push_back(p);
    return order;
}

// FluidSynth's error lines while `work` runs (its log is quiet otherwise).
template <typename Work>
std::string errorsDuring(Work work) {
    std::string errors;
    fluid_set_log_function(
        FLUID_ERR,
        [](int, const char* message, void* data) {
            auto& out = *static_cast<std::string*>(data);
            if (!out.empty()) out += "; ";
            out += message;
        },
        &errors);
    work();
    fluid_set_log_function(FLUID_ERR, nullptr, nullptr);
    return errors;
}

std::string renderHint() {
    return " Nothing played through it is heard; \"ctabber-cli render FILE --section NAME --out OUT.wav\" "
           "plays a section into a WAV file instead.";
}

}  // namespace

std::string noAudioNotice(const std::vector<std::string>& tried, const std::string& errors) {
    std::string why;
    if (tried.empty()) {
        why = "this FluidSynth has no audio driver";
    } else {
        why = "no audio device could be opened (tried ";
        for (std::size_t i = 0; i < tried.size(); ++i) why += (i ? ", " : "") + tried[i];
        why += errors.empty() ? ")" : "; " + errors + ")";
    }
    return "The built-in synthesizer has no audio output: " + why + "." + renderHint();
}

std::string noSoundFontNotice() {
    return "The built-in synthesizer has no sounds: no General MIDI SoundFont is installed (fluid-soundfont-gm "
           "or timgm6mb-soundfont)." + renderHint();
}

FluidSynthPort::~FluidSynthPort() { close(); }

bool FluidSynthPort::open() {
    if (!synth_) {
        auto synth = std::make_unique<Synth>();
        if (!synth->make()) return false;
        synth_ = std::move(synth);
    }
    synth_->resetState();
    // The sequencer is registered before the audio thread starts rendering.
    played_ = std::make_unique<SynthPort>(*synth_, PortTiming::Scheduled, name());
    // Without a sound card the port still opens and plays, silently; the
    // notice says so (and why) where the user plays.
    const auto drivers = audioDrivers(synth_->settings());
    const auto errors = errorsDuring([&] {
        for (const auto& driver : drivers) {
            fluid_settings_setstr(synth_->settings(), "audio.driver", driver.c_str());
            driver_ = new_fluid_audio_driver(synth_->settings(), synth_->synth());
            if (driver_) break;
        }
    });
    if (!driver_) played_ = std::make_unique<SynthPort>(*synth_, PortTiming::Timed, name());
    if (!driver_) notice_ = noAudioNotice(drivers, errors);
    else if (!synth_->hasSoundFont()) notice_ = noSoundFontNotice();
    else notice_.clear();
    return true;
}

void FluidSynthPort::close() {
    // The audio thread stops before the sequencer it drives goes.
    if (driver_) delete_fluid_audio_driver(driver_);
    driver_ = nullptr;
    played_.reset();
}

void FluidSynthPort::reset() {
    if (played_) played_->reset();
}

bool FluidSynthPort::send(std::span<const std::uint8_t> message) { return played_ && played_->send(message); }

bool FluidSynthPort::sendAt(std::span<const std::uint8_t> message, std::uint64_t atMs) {
    return played_ && played_->sendAt(message, atMs);
}

void FluidSynthPort::withdraw(std::uint16_t channels) {
    if (played_) played_->withdraw(channels);
}

}  // namespace playback::ports

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

}  // namespace

FluidSynthPort::~FluidSynthPort() {
    if (driver_) delete_fluid_audio_driver(driver_);
}

bool FluidSynthPort::open() {
    if (!synth_) {
        auto synth = std::make_unique<Synth>();
        if (!synth->make()) return false;
        synth_ = std::move(synth);
    }
    synth_->resetState();
    for (const auto& driver : audioDrivers(synth_->settings())) {
        fluid_settings_setstr(synth_->settings(), "audio.driver", driver.c_str());
        driver_ = new_fluid_audio_driver(synth_->settings(), synth_->synth());
        if (driver_) break;
    }
    return true;
}

void FluidSynthPort::close() {
    if (driver_) delete_fluid_audio_driver(driver_);
    driver_ = nullptr;
}

void FluidSynthPort::reset() {
    if (synth_) synth_->silence();
}

bool FluidSynthPort::send(std::span<const std::uint8_t> message) { return synth_ && synth_->send(message); }

}  // namespace playback::ports

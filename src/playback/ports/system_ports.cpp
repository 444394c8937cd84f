#include "playback/ports/system_ports.h"

#include "playback/ports/alsa_seq_port.h"
#include "playback/ports/fluid_port.h"
#include "playback/ports/rtmidi_port.h"

namespace playback::ports {

PortSource systemPortSource() {
    auto synth = std::make_shared<FluidSynthPort>();
    return [synth] {
        PortList ports{synth};
        // The sequencer's ports come first, as RtMidi lists its ALSA ports
        // before its JACK ones, so a port remembered by number stays the same.
        auto alsa = alsaSeqPorts();
        if (alsa)
            for (auto& port : *alsa) ports.push_back(std::move(port));
        for (auto& port : rtMidiPorts(!alsa)) ports.push_back(std::move(port));
        return ports;
    };
}

}  // namespace playback::ports

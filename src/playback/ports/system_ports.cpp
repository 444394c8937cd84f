#include "playback/ports/system_ports.h"

#include "playback/ports/fluid_port.h"
#include "playback/ports/rtmidi_port.h"

namespace playback::ports {

PortSource systemPortSource() {
    auto synth = std::make_shared<FluidSynthPort>();
    return [synth] {
        PortList ports{synth};
        for (auto& port : rtMidiPorts()) ports.push_back(std::move(port));
        return ports;
    };
}

}  // namespace playback::ports

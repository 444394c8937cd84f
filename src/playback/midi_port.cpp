#include "playback/midi_port.h"

namespace playback {

const char* timingName(PortTiming timing) { return timing == PortTiming::Scheduled ? "scheduled" : "timed"; }

void sendResetMessages(MidiPort& port) {
    for (std::uint8_t c = 0; c < 16; ++c) {
        const std::uint8_t status = static_cast<std::uint8_t>(0xB0 | c);
        const std::uint8_t pedalUp[3] = {status, 64, 0};
        const std::uint8_t notesOff[3] = {status, 123, 0};
        port.send(pedalUp);
        port.send(notesOff);
    }
}

std::string portStoppedText(const std::string& name) { return "The MIDI port \"" + name + "\" stopped working."; }

std::string portGoneText(const std::string& name) { return "The MIDI port \"" + name + "\" is no longer there."; }

}  // namespace playback

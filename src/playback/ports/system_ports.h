#pragma once
// The ports the program offers: port 0 is the built-in synthesizer, then
// every system MIDI output port present when the list is made.
#include "playback/midi_port.h"

namespace playback::ports {

// Lists afresh at each call; the synthesizer is the same object every time,
// so its SoundFont is loaded once.
PortSource systemPortSource();

}  // namespace playback::ports

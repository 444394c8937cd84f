#pragma once
// The ports the program offers: port 0 is the built-in synthesizer, then
// every system MIDI output port present when the list is made: those of the
// ALSA sequencer scheduled through its queue where there is one, the others
// (JACK) timed through RtMidi.
#include "playback/midi_port.h"

namespace playback::ports {

// Lists afresh at each call; the synthesizer is the same object every time,
// so its SoundFont is loaded once.
PortSource systemPortSource();

}  // namespace playback::ports

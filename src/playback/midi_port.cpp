#include "playback/midi_port.h"

namespace playback {

const char* timingName(PortTiming timing) { return timing == PortTiming::Scheduled ? "scheduled" : "timed"; }

}  // namespace playback

#pragma once
// The desktop program's one MIDI output port object, over the built-in
// synthesizer and the system's MIDI ports, and the setup page's test note.
#include <QObject>
#include <memory>

#include "playback/midi_out.h"

namespace playback::ui {

// Made at the first call; closed and destroyed when the program ends.
CMIDIOUT& programMidiOut();
// Puts `out` in its place (the window tests' recording port).
void setProgramMidiOut(std::unique_ptr<CMIDIOUT> out);

// "Test": program 0 and note 48 on channel 1 of port `index`; the note ends
// about two seconds later unless `context` is gone by then.
void playTestNote(CMIDIOUT& out, int index, QObject* context);

}  // namespace playback::ui

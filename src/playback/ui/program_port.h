#pragma once
// The desktop program's one MIDI output port object, over the built-in
// synthesizer and the system's MIDI ports, and the setup page's test note.
#include <QObject>
#include <memory>
#include <string>

#include "playback/midi_out.h"

class QLabel;
class QWidget;

namespace playback::ui {

// Made at the first call; closed and destroyed when the program ends.
CMIDIOUT& programMidiOut();
// Puts `out` in its place (the window tests' recording port).
void setProgramMidiOut(std::unique_ptr<CMIDIOUT> out);

// A hidden, word-wrapped line for a port's audio notice ("LabelNoSound");
// showAudioNotice shows it when the notice says something, and hides it
// when the port can be heard again.
QLabel* makeAudioNoticeLabel(QWidget* parent);
void showAudioNotice(QLabel* label, const std::string& notice);

// "Test": program 0 and note 48 on channel 1 of port `index`; the note ends
// about two seconds later unless `context` is gone by then.
void playTestNote(CMIDIOUT& out, int index, QObject* context);

}  // namespace playback::ui

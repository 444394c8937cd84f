#pragma once
// The colours of the sixteen MIDI channels in the roll, and a note's colour
// shaded by its velocity: soft notes pale, loud notes full.
#include <QColor>

namespace roll::ui {

QColor channelColour(int channel);
// The edge of a note of the channel: its colour, darker.
QColor outlineColour(int channel);
QColor noteColour(int channel, int velocity);

}  // namespace roll::ui

#pragma once
// The readable texts derived from event bytes: note names, comments, kind
// names, and the colour class of a row.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace document {

// "C5", "C#5", ...: above 127 "?"; a name shorter than 3 characters gets a space.
std::string noteName(int note);
// "n=" + note name + " v=" + second byte.
std::string noteComment(int note, int velocity);
// "v=" + (lsb & 127) + 128 * (msb & 127).
std::string pitchComment(int lsb, int msb);
// "BPM=" + 60000000 / tempo; a tempo of 0 has no rate and shows "BPM=?".
std::string bpmComment(std::uint32_t microsecondsPerQuarter);
std::uint32_t tempoValue(std::span<const std::uint8_t> threeBytes);
// "TS=4/4 Met=24MC" from nn dd cc.
std::string timeSignatureComment(int nn, int dd, int cc);
// "2 flats, Min" from sf mi.
std::string keySignatureComment(int sf, int mi);
std::string textLengthComment(std::size_t length);

// The Text cell: the name of the event's kind ("" for a status it does not know).
std::string_view kindText(std::uint8_t status, std::uint8_t metaType);
// Colour class from the first two bytes of the Event cell (0 for rows of no kind).
int colourClass(std::span<const std::uint8_t> eventBytes);

// Sources of the names that depend on other subsystems' files.
struct NameSources {
    // Instrument name of a program change (bank = MSB * 128 + LSB).
    std::function<std::string(int bank, int program)> patchName;
    // Description of a system-exclusive event's data bytes.
    std::function<std::string(std::span<const std::uint8_t> data)> sysexDescription;
};

// General MIDI names and no system-exclusive descriptions.
NameSources builtinNames();

}  // namespace document

#pragma once
// The values an event's property dialog is preset with, and the row written
// back when it closes with OK. The edit dispatcher reads a row's kind, takes
// the preset, shows the dialog and hands the dialog's values to the matching
// write-back; the caller turns the new row into one replaceRow edit.
//
// A write-back returns the whole new row: Tick+, N and the selected flag are
// kept; the cells the new bytes decide (Event, Ch., Data, Text) lose any
// explicit text, and so does the Comment unless the rule writes one (then it
// is kept as an explicit text only where it differs from the derived one).
// Values out of a dialog's range are brought into it, never wrapped into
// another byte. Presets read missing data bytes as 0. Pure functions.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/event_row.h"

namespace events {

// Which property dialog an event row calls for.
enum class EditKind {
    None,  // notes, rows without bytes and kinds without a dialog
    KeyAfterTouch,
    Controller,
    Program,
    ChannelAfterTouch,
    Pitch,
    SystemExclusive,  // F0 and F7
    MidiChannel,      // FF 20
    MidiPort,         // FF 21
    Smpte,            // FF 54 with length byte 05
    TimeSignature,    // FF 58 with length byte 04
    KeySignature,     // FF 59 with length byte 02
    Tempo,            // FF 51 with length byte 03
    Text,             // FF 01 to FF 07
    SequencerSpecific,  // FF 7F
};
EditKind editKindOf(const document::EventRow& row);

// The data byte `index` of a row, 0 when it has fewer.
int dataByte(const document::EventRow& row, std::size_t index);
std::span<const std::uint8_t> dataOf(const document::EventRow& row);

// Key after-touch: note and value; Comment "n=" note name " v=" value.
struct NoteValue {
    int note = 0;
    int value = 0;
};
NoteValue keyAfterTouchPreset(const document::EventRow& row);
document::EventRow withKeyAfterTouch(document::EventRow row, NoteValue values);

// Control change: controller and value; Comment the controller name.
struct ControllerValue {
    int controller = 0;
    int value = 0;
};
ControllerValue controllerPreset(const document::EventRow& row);
document::EventRow withController(document::EventRow row, ControllerValue values);

// Channel after-touch: value 0-127; Comment " v=" value.
int channelAfterTouchPreset(const document::EventRow& row);
document::EventRow withChannelAfterTouch(document::EventRow row, int value);

// Pitch wheel: 0-16383 from (MSB & 127) * 128 + (LSB & 127).
int pitchPreset(const document::EventRow& row);
document::EventRow withPitch(document::EventRow row, int value);

// Program change: the program and the Comment the caller names it with.
int programPreset(const document::EventRow& row);
document::EventRow withProgram(document::EventRow row, int program, const std::string& comment);
// "<" + General MIDI name of (program AND 127) + ">".
std::string gmProgramComment(int program);

// System exclusive: the data bytes and their description as the Comment.
document::EventRow withSystemExclusive(document::EventRow row, std::vector<std::uint8_t> data,
                                       const std::string& description);
// Sequencer specific: the data bytes; the Comment stays.
document::EventRow withSequencerData(document::EventRow row, std::vector<std::uint8_t> data);

// FF 20 and FF 21: position 1-16 is the data byte + 1; the Comment stays.
int positionPreset(const document::EventRow& row);
document::EventRow withPosition(document::EventRow row, int position);

// SMPTE offset: hours 0-23, minutes 0-59, seconds 0-59, frames 0-74,
// fractional frames 0-99; the Comment stays.
using SmpteValues = std::array<int, 5>;
inline constexpr SmpteValues kSmpteMax = {23, 59, 59, 74, 99};
SmpteValues smptePreset(const document::EventRow& row);
document::EventRow withSmpte(document::EventRow row, const SmpteValues& values);

// Time signature: numerator 1-32, denominator 2-32 (the largest power of two
// not above it is written as its exponent), MIDI clocks 1-128, 32nds 1-256
// (256 is stored as 0, and a stored 0 is shown as 256).
struct TimeSignatureValues {
    int numerator = 4;
    int denominator = 4;
    int clocks = 24;
    int thirtySeconds = 8;
};
TimeSignatureValues timeSignaturePreset(const document::EventRow& row);
document::EventRow withTimeSignature(document::EventRow row, const TimeSignatureValues& values);
// The exponent of the largest power of two not above `value` (0 for 1 or less).
int log2Floor(int value);

// Key signature: index 0-14 (sharps/flats + 7, flats negative) and mode 0/1.
struct KeySignatureValues {
    int index = 7;
    int mode = 0;
};
KeySignatureValues keySignaturePreset(const document::EventRow& row);
document::EventRow withKeySignature(document::EventRow row, const KeySignatureValues& values);

// Tempo in beats per minute, 1-480. A tempo of 0 has no rate: the dialog
// opens at kDefaultBpm. The written tempo is 60000000 / BPM, held to the
// largest value three bytes hold (BPM 1 to 3 would not fit).
inline constexpr int kDefaultBpm = 120;
int tempoPreset(const document::EventRow& row);
document::EventRow withTempo(document::EventRow row, int bpm);

// Text events: the text (bytes as they stand) and the kind 0-6 (type - 1).
struct TextValues {
    std::string text;
    int kind = 0;
};
TextValues textPreset(const document::EventRow& row);
document::EventRow withText(document::EventRow row, const TextValues& values);

}  // namespace events

#pragma once
// Insert: the event types of the insert dialog, what each type's fields
// are preset with, the new row the dialog's values make and the edit that
// puts it in the list.
#include <string>
#include <string_view>

#include "document/event_text.h"
#include "document/list_edit.h"

namespace events {

enum InsertType : int {
    InsertText = 0,
    InsertKeyAfterTouch,
    InsertController,
    InsertProgram,
    InsertChannelAfterTouch,
    InsertPitch,
    InsertF0Sysex,
    InsertF7Sysex,
    InsertMidiChannel,
    InsertMidiPort,
    InsertTrackEnd,
    InsertTempo,
    InsertTimeSignature,
    InsertSmpte,
    InsertKeySignature,
    InsertSequencerSpecific,
};
inline constexpr int kInsertTypeCount = 16;
inline constexpr int kMarkerTextKind = 5;
// System-exclusive and sequencer-specific data entered here is cut to this.
inline constexpr std::size_t kMaxInsertedData = 127;

// The type's caption in the dialog ("Text", "Key after-touch", ...).
std::string_view insertTypeCaption(int type);
// The hex entry a type presets: "3C,7F" for key after-touch, ...
std::string_view insertHexPreset(int type);

// The dialog's fields a type uses.
struct InsertFields {
    bool text = false;     // text kind and text
    bool channel = false;
    bool hexData = false;
};
InsertFields insertFields(int type);

// What the insert dialog hands back.
struct InsertValues {
    int type = InsertText;
    int channel = 1;                 // 1-16
    int textKind = kMarkerTextKind;  // 0-6: "Text" ... "Cue point"
    std::string text;                // bytes as typed
    std::string hexData;             // read three characters per byte; missing bytes are 0
};

// The new row: N "Ins", Tick+ 0 and the type's bytes. Channel data bytes are
// masked to 7 bits, MIDI channel and port to 4; the Comment is the General
// MIDI name of a program and the description (from `names`) of a system-
// exclusive message; every other Comment is derived from the bytes (a tempo
// of 0 shows "BPM=?").
document::EventRow insertedRow(const InsertValues& values, const document::NameSources& names);

// Inserts `row` at grid row `at` (1 to the trailing row), moving that row and
// all below it down. A track end takes Tick+ 1 from the event below it when
// that event has a Tick+ to give (at the end of the list it simply gets 1),
// so no other event moves in time.
document::Edit insertEdit(const document::EventList& list, int at, document::EventRow row);

}  // namespace events

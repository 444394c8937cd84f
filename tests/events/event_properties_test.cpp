#include <gtest/gtest.h>

#include "document/event_cells.h"
#include "events/event_properties.h"
#include "support/event_rows.h"

using namespace document;
using namespace events;
using testing_support::textMeta;

namespace {

// Cell texts of a single row as the grid would show them.
std::string cell(const EventRow& row, int column) {
    EventList list;
    list.appendRow(row);
    return cellText(list, 1, column, {});
}

std::vector<std::uint8_t> bytes(std::initializer_list<std::uint8_t> b) { return b; }

}  // namespace

TEST(EventProperties, KindFollowsStatusAndExactLengthByte) {
    auto kind = [](std::vector<std::uint8_t> b) { return editKindOf(eventRow(0, std::move(b))); };
    EXPECT_EQ(kind({0x90, 60, 100}), EditKind::None);  // notes are not edited
    EXPECT_EQ(kind({0x80, 60, 0}), EditKind::None);
    EXPECT_EQ(kind({0xA3, 60, 10}), EditKind::KeyAfterTouch);
    EXPECT_EQ(kind({0xB0, 7, 100}), EditKind::Controller);
    EXPECT_EQ(kind({0xC9, 1}), EditKind::Program);
    EXPECT_EQ(kind({0xD0, 1}), EditKind::ChannelAfterTouch);
    EXPECT_EQ(kind({0xE0, 0, 64}), EditKind::Pitch);
    EXPECT_EQ(kind({0xF7, 1, 0xF7}), EditKind::SystemExclusive);
    EXPECT_EQ(kind({0xFF, 0x21, 0x01, 2}), EditKind::MidiPort);
    EXPECT_EQ(kind({0xFF, 0x51, 0x03, 7, 0xA1, 0x20}), EditKind::Tempo);
    EXPECT_EQ(kind({0xFF, 0x51, 0x04, 7, 0xA1, 0x20, 0}), EditKind::None);  // any other length: not editable
    EXPECT_EQ(kind({0xFF, 0x58, 0x04, 4, 2, 24, 8}), EditKind::TimeSignature);
    EXPECT_EQ(kind({0xFF, 0x59, 0x03, 0, 0, 0}), EditKind::None);
    EXPECT_EQ(kind({0xFF, 0x54, 0x05, 1, 2, 3, 4, 5}), EditKind::Smpte);
    EXPECT_EQ(kind(textMeta(0x07, "cue")), EditKind::Text);
    EXPECT_EQ(kind({0xFF, 0x7F, 0x43, 0x7B}), EditKind::SequencerSpecific);
    EXPECT_EQ(kind({0xFF, 0x2F, 0x00}), EditKind::None);
    EXPECT_EQ(kind({0xFF, 0x00, 0x02, 0, 1}), EditKind::None);
    EXPECT_EQ(editKindOf(EventRow{}), EditKind::None);
}

TEST(EventProperties, TempoOpensAtItsRateAndWritesTheRateBack) {
    const auto tempo = eventRow(5, {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});
    EXPECT_EQ(tempoPreset(tempo), 120);
    const auto changed = withTempo(tempo, 100);
    EXPECT_EQ(changed.bytes, bytes({0xFF, 0x51, 0x03, 0x09, 0x27, 0xC0}));
    EXPECT_EQ(cell(changed, ColComment), "BPM=100");
    EXPECT_EQ(changed.delta, 5u);

    // Three zero bytes have no rate: the dialog opens at 120, nothing divides by zero.
    const auto zero = eventRow(0, {0xFF, 0x51, 0x03, 0, 0, 0});
    EXPECT_EQ(tempoPreset(zero), kDefaultBpm);
    // BPM 1 would need 60,000,000 microseconds, more than three bytes hold.
    EXPECT_EQ(withTempo(zero, 1).bytes, bytes({0xFF, 0x51, 0x03, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(withTempo(zero, 999).bytes, withTempo(zero, 480).bytes);
    // A tempo faster than the dialog can show opens at its highest rate.
    EXPECT_EQ(tempoPreset(eventRow(0, {0xFF, 0x51, 0x03, 0, 0, 1})), 480);
}

TEST(EventProperties, ChannelEventsWriteDataAndComment) {
    auto after = withKeyAfterTouch(eventRow(0, {0xA2, 1, 2}), {61, 100});
    EXPECT_EQ(after.bytes, bytes({0xA2, 61, 100}));
    EXPECT_EQ(cell(after, ColComment), "n=C#5 v=100");
    EXPECT_TRUE(after.texts.empty());  // the derived comment says it already
    EXPECT_EQ(keyAfterTouchPreset(after).note, 61);

    auto channel = withChannelAfterTouch(eventRow(0, {0xD4, 9}), 64);
    EXPECT_EQ(channel.bytes, bytes({0xD4, 64}));
    EXPECT_EQ(cell(channel, ColComment), " v=64");

    auto controller = withController(eventRow(0, {0xB1, 7, 100}), {10, 300});
    EXPECT_EQ(controller.bytes, bytes({0xB1, 10, 127}));  // held in range, not wrapped
    EXPECT_EQ(cell(controller, ColComment), "PAN POT");

    const auto pitchRow = eventRow(0, {0xE0, 0x7F, 0x7F});
    EXPECT_EQ(pitchPreset(pitchRow), 16383);
    auto pitch = withPitch(pitchRow, 8192);
    EXPECT_EQ(pitch.bytes, bytes({0xE0, 0x00, 0x40}));
    EXPECT_EQ(cell(pitch, ColComment), "v=8192");

    // A program's comment names it; the row's explicit comment is replaced.
    auto programRow = eventRow(0, {0xC0, 4});
    programRow.setText(ColComment, "Stage Keys");
    programRow.setText(ColN, "Ins");
    programRow.selected = true;
    auto program = withProgram(programRow, 0, gmProgramComment(0));
    EXPECT_EQ(program.bytes, bytes({0xC0, 0}));
    EXPECT_EQ(cell(program, ColComment), "<Acoustic Grand Piano>");
    EXPECT_EQ(cell(program, ColN), "Ins");
    EXPECT_TRUE(program.selected);
    EXPECT_EQ(gmProgramComment(128 + 4), "<Rhodes Piano>");
}

TEST(EventProperties, MetaEventsKeepTheirLengthAndStatedComments) {
    // Time signature: the denominator's largest power of two, 256 thirty-seconds as 0.
    const auto ts = eventRow(0, {0xFF, 0x58, 0x04, 4, 2, 24, 0});
    const auto preset = timeSignaturePreset(ts);
    EXPECT_EQ(preset.denominator, 4);
    EXPECT_EQ(preset.thirtySeconds, 256);
    auto threeEight = withTimeSignature(ts, {3, 12, 36, 256});
    EXPECT_EQ(threeEight.bytes, bytes({0xFF, 0x58, 0x04, 3, 3, 36, 0}));
    EXPECT_EQ(cell(threeEight, ColComment), "TS=3/8 Met=36MC");
    EXPECT_EQ(timeSignaturePreset(eventRow(0, {0xFF, 0x58, 0x04, 0, 200, 0, 8})).denominator, 32);
    EXPECT_EQ(log2Floor(32), 5);
    EXPECT_EQ(log2Floor(31), 4);

    const auto key = eventRow(0, {0xFF, 0x59, 0x02, 0xFE, 0x01});
    EXPECT_EQ(keySignaturePreset(key).index, 5);
    EXPECT_EQ(keySignaturePreset(key).mode, 1);
    auto sharp = withKeySignature(key, {8, 0});
    EXPECT_EQ(sharp.bytes, bytes({0xFF, 0x59, 0x02, 0x01, 0x00}));
    EXPECT_EQ(cell(sharp, ColComment), "1 sharp, Maj");

    // SMPTE and channel edits leave the comment as it was.
    auto smpteRow = eventRow(0, {0xFF, 0x54, 0x05, 1, 2, 3, 4, 5});
    smpteRow.setText(ColComment, "start");
    EXPECT_EQ(smptePreset(smpteRow), (SmpteValues{1, 2, 3, 4, 5}));
    auto smpte = withSmpte(smpteRow, {30, 59, 0, 80, 99});
    EXPECT_EQ(smpte.bytes, bytes({0xFF, 0x54, 0x05, 23, 59, 0, 74, 99}));
    EXPECT_EQ(cell(smpte, ColComment), "start");

    // A port event of another length is written with length 01 and one data byte.
    const auto port = eventRow(0, {0xFF, 0x21, 0x02, 0x03, 0x00});
    EXPECT_EQ(positionPreset(port), 4);
    EXPECT_EQ(withPosition(port, 16).bytes, bytes({0xFF, 0x21, 0x01, 0x0F}));

    // A text changes kind: Event, Text and the length comment follow.
    auto marker = eventRow(0, textMeta(0x06, "Main A"));
    EXPECT_EQ(textPreset(marker).kind, 5);
    EXPECT_EQ(textPreset(marker).text, "Main A");
    auto lyric = withText(marker, {"la la", 4});
    EXPECT_EQ(cell(lyric, ColEvent), "FF 05 ");
    EXPECT_EQ(cell(lyric, ColText), "Lyric");
    EXPECT_EQ(cell(lyric, ColComment), "Len=5");
    EXPECT_EQ(cell(withText(marker, {"x", 9}), ColText), "Text");

    // System exclusive: new bytes, their description; a typed Data text goes.
    auto sysexRow = eventRow(0, {0xF0, 0x7E, 0x7F, 0xF7});
    sysexRow.setText(ColData, "7e 7f f7");
    auto sysex = withSystemExclusive(sysexRow, {0x43, 0x10, 0xF7}, "XG thing");
    EXPECT_EQ(sysex.bytes, bytes({0xF0, 0x43, 0x10, 0xF7}));
    EXPECT_EQ(cell(sysex, ColData), "43 10 F7 ");
    EXPECT_EQ(cell(sysex, ColComment), "XG thing");
    EXPECT_EQ(cell(withSystemExclusive(sysex, {0xF7}, ""), ColComment), "");

    const auto sequencer = withSequencerData(eventRow(0, {0xFF, 0x7F, 1}), {0x43, 0x7B, 0x00});
    EXPECT_EQ(sequencer.bytes, bytes({0xFF, 0x7F, 0x43, 0x7B, 0x00}));
    EXPECT_EQ(cell(sequencer, ColData), "43 7B 00 ");
}

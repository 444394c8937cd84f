#include "events/event_properties.h"

#include <algorithm>

#include "document/event_cells.h"
#include "document/event_list.h"
#include "document/event_text.h"
#include "names/gm_tables.h"

namespace events {
namespace {

using document::EventRow;

void dropText(EventRow& row, int column) {
    std::erase_if(row.texts, [column](const auto& text) { return text.first == column; });
}

// The Comment the row's bytes give by themselves.
std::string derivedComment(const EventRow& row) {
    document::EventList one;
    EventRow plain = row;
    plain.texts.clear();
    one.appendRow(plain);
    return document::cellText(one, 1, document::ColComment, {});
}

// The row with new bytes; the cells they decide show what they say.
EventRow rebuilt(EventRow row, std::vector<std::uint8_t> bytes, bool keepComment) {
    row.eventLength = static_cast<std::uint8_t>(document::eventCellLength(bytes));
    row.bytes = std::move(bytes);
    for (int column : {document::ColEvent, document::ColCh, document::ColData, document::ColText}) dropText(row, column);
    if (!keepComment) dropText(row, document::ColComment);
    return row;
}

void writeComment(EventRow& row, const std::string& comment) {
    dropText(row, document::ColComment);
    if (comment != derivedComment(row)) row.setText(document::ColComment, comment);
}

std::uint8_t held(int value, int low, int high) { return static_cast<std::uint8_t>(std::clamp(value, low, high)); }

std::uint8_t status(const EventRow& row) { return row.bytes.empty() ? 0 : row.bytes[0]; }

std::vector<std::uint8_t> meta(std::uint8_t type, std::initializer_list<std::uint8_t> rest) {
    std::vector<std::uint8_t> bytes(rest.size() + 2);
    bytes[0] = 0xFF;
    bytes[1] = type;
    std::copy(rest.begin(), rest.end(), bytes.begin() + 2);
    return bytes;
}

}  // namespace

EditKind editKindOf(const EventRow& row) {
    if (row.bytes.empty() || row.eventLength == 0) return EditKind::None;
    const int s = row.bytes[0];
    if (s >= 0x80 && s < 0xF0) {
        switch (s & 0xF0) {
            case 0xA0: return EditKind::KeyAfterTouch;
            case 0xB0: return EditKind::Controller;
            case 0xC0: return EditKind::Program;
            case 0xD0: return EditKind::ChannelAfterTouch;
            case 0xE0: return EditKind::Pitch;
            default: return EditKind::None;  // notes are not edited here
        }
    }
    if (s == 0xF0 || s == 0xF7) return EditKind::SystemExclusive;
    if (s != 0xFF || row.bytes.size() < 2) return EditKind::None;
    // The fixed-length kinds only with exactly their length byte.
    auto withLength = [&row](int length, EditKind kind) {
        return row.eventLength == 3 && row.bytes.size() >= 3 && row.bytes[2] == length ? kind : EditKind::None;
    };
    const int type = row.bytes[1];
    switch (type) {
        case 0x20: return EditKind::MidiChannel;
        case 0x21: return EditKind::MidiPort;
        case 0x54: return withLength(5, EditKind::Smpte);
        case 0x58: return withLength(4, EditKind::TimeSignature);
        case 0x59: return withLength(2, EditKind::KeySignature);
        case 0x51: return withLength(3, EditKind::Tempo);
        case 0x7F: return EditKind::SequencerSpecific;
        default: return type >= 0x01 && type <= 0x07 ? EditKind::Text : EditKind::None;
    }
}

std::span<const std::uint8_t> dataOf(const EventRow& row) {
    return std::span<const std::uint8_t>(row.bytes).subspan(std::min<std::size_t>(row.eventLength, row.bytes.size()));
}

int dataByte(const EventRow& row, std::size_t index) {
    const auto data = dataOf(row);
    return index < data.size() ? data[index] : 0;
}

NoteValue keyAfterTouchPreset(const EventRow& row) { return {dataByte(row, 0) & 127, dataByte(row, 1) & 127}; }

EventRow withKeyAfterTouch(EventRow row, NoteValue v) {
    const auto s = status(row);
    auto out = rebuilt(std::move(row), {s, held(v.note, 0, 127), held(v.value, 0, 127)}, false);
    writeComment(out, document::noteComment(out.bytes[1], out.bytes[2]));
    return out;
}

ControllerValue controllerPreset(const EventRow& row) { return {dataByte(row, 0), dataByte(row, 1)}; }

EventRow withController(EventRow row, ControllerValue v) {
    const auto s = status(row);
    auto out = rebuilt(std::move(row), {s, held(v.controller, 0, 127), held(v.value, 0, 127)}, false);
    writeComment(out, std::string(names::controllerName(out.bytes[1])));
    return out;
}

int channelAfterTouchPreset(const EventRow& row) { return std::min(dataByte(row, 0), 127); }

EventRow withChannelAfterTouch(EventRow row, int value) {
    const auto s = status(row);
    auto out = rebuilt(std::move(row), {s, held(value, 0, 127)}, false);
    writeComment(out, " v=" + std::to_string(out.bytes[1]));
    return out;
}

int pitchPreset(const EventRow& row) { return (dataByte(row, 1) & 127) * 128 + (dataByte(row, 0) & 127); }

EventRow withPitch(EventRow row, int value) {
    const int v = std::clamp(value, 0, 16383);
    const auto s = status(row);
    auto out = rebuilt(std::move(row), {s, static_cast<std::uint8_t>(v & 127), static_cast<std::uint8_t>(v >> 7)}, false);
    writeComment(out, document::pitchComment(out.bytes[1], out.bytes[2]));
    return out;
}

int programPreset(const EventRow& row) { return dataByte(row, 0) & 127; }

EventRow withProgram(EventRow row, int program, const std::string& comment) {
    const auto s = status(row);
    auto out = rebuilt(std::move(row), {s, held(program, 0, 127)}, false);
    writeComment(out, comment);
    return out;
}

std::string gmProgramComment(int program) {
    std::string comment = "<";
    comment += names::gmProgramName(program & 127);
    comment += '>';
    return comment;
}

EventRow withSystemExclusive(EventRow row, std::vector<std::uint8_t> data, const std::string& description) {
    data.insert(data.begin(), status(row));
    auto out = rebuilt(std::move(row), std::move(data), false);
    writeComment(out, description);
    return out;
}

EventRow withSequencerData(EventRow row, std::vector<std::uint8_t> data) {
    data.insert(data.begin(), {0xFF, 0x7F});
    return rebuilt(std::move(row), std::move(data), true);
}

int positionPreset(const EventRow& row) { return std::clamp(dataByte(row, 0) + 1, 1, 16); }

EventRow withPosition(EventRow row, int position) {
    // The length byte is written as 01 whatever the row held, so it always
    // agrees with the one data byte.
    const auto type = row.bytes.size() > 1 ? row.bytes[1] : std::uint8_t{0x20};
    return rebuilt(std::move(row), meta(type, {0x01, held(position - 1, 0, 15)}), true);
}

SmpteValues smptePreset(const EventRow& row) {
    SmpteValues v{};
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = std::min(dataByte(row, i), kSmpteMax[i]);
    return v;
}

EventRow withSmpte(EventRow row, const SmpteValues& v) {
    auto bytes = meta(0x54, {0x05});
    for (std::size_t i = 0; i < v.size(); ++i) bytes.push_back(held(v[i], 0, kSmpteMax[i]));
    return rebuilt(std::move(row), std::move(bytes), true);
}

int log2Floor(int value) {
    int k = 0;
    while (k < 30 && (2 << k) <= value) ++k;
    return k;
}

TimeSignatureValues timeSignaturePreset(const EventRow& row) {
    TimeSignatureValues v;
    v.numerator = std::clamp(dataByte(row, 0), 1, 32);
    const int exponent = dataByte(row, 1);
    v.denominator = std::clamp(exponent < 6 ? 1 << exponent : 32, 2, 32);
    v.clocks = std::clamp(dataByte(row, 2), 1, 128);
    v.thirtySeconds = dataByte(row, 3) == 0 ? 256 : dataByte(row, 3);
    return v;
}

EventRow withTimeSignature(EventRow row, const TimeSignatureValues& v) {
    const auto thirtySeconds = static_cast<std::uint8_t>(std::clamp(v.thirtySeconds, 1, 256) & 0xFF);
    return rebuilt(std::move(row),
                   meta(0x58, {0x04, held(v.numerator, 1, 32),
                               static_cast<std::uint8_t>(log2Floor(std::clamp(v.denominator, 2, 32))),
                               held(v.clocks, 1, 128), thirtySeconds}),
                   false);
}

KeySignatureValues keySignaturePreset(const EventRow& row) {
    const int sharpsFlats = static_cast<std::int8_t>(dataByte(row, 0));
    return {std::clamp(sharpsFlats + 7, 0, 14), dataByte(row, 1) & 1};
}

EventRow withKeySignature(EventRow row, const KeySignatureValues& v) {
    const auto sf = static_cast<std::uint8_t>(static_cast<std::int8_t>(std::clamp(v.index, 0, 14) - 7));
    return rebuilt(std::move(row), meta(0x59, {0x02, sf, held(v.mode, 0, 1)}), false);
}

int tempoPreset(const EventRow& row) {
    const std::uint32_t tempo = document::tempoValue(dataOf(row));
    if (tempo == 0) return kDefaultBpm;
    return static_cast<int>(std::clamp<std::uint32_t>(60000000u / tempo, 1, 480));
}

EventRow withTempo(EventRow row, int bpm) {
    const std::uint32_t tempo = std::min<std::uint32_t>(60000000u / static_cast<std::uint32_t>(std::clamp(bpm, 1, 480)),
                                                        0xFFFFFF);
    return rebuilt(std::move(row),
                   meta(0x51, {0x03, static_cast<std::uint8_t>(tempo >> 16), static_cast<std::uint8_t>(tempo >> 8),
                               static_cast<std::uint8_t>(tempo)}),
                   false);
}

TextValues textPreset(const EventRow& row) {
    const auto data = dataOf(row);
    const int type = row.bytes.size() > 1 ? row.bytes[1] : 1;
    return {std::string(data.begin(), data.end()), std::clamp(type - 1, 0, 6)};
}

EventRow withText(EventRow row, const TextValues& v) {
    const int kind = v.kind >= 0 && v.kind <= 6 ? v.kind : 0;
    std::vector<std::uint8_t> bytes{0xFF, static_cast<std::uint8_t>(kind + 1)};
    bytes.insert(bytes.end(), v.text.begin(), v.text.end());
    return rebuilt(std::move(row), std::move(bytes), false);
}

}  // namespace events

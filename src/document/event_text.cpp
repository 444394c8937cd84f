#include "document/event_text.h"

#include <array>

#include "names/gm_tables.h"

namespace document {
namespace {

constexpr std::array<std::string_view, 12> kNoteNames = {"C", "C#", "D", "D#", "E", "F",
                                                          "F#", "G", "G#", "A", "A#", "B"};
constexpr std::array<std::string_view, 16> kKeyNames = {
    "7 flats",  "6 flats",  "5 flats",  "4 flats",  "3 flats",  "2 flats",  "1 flat",   "Key of C",
    "1 sharp",  "2 sharps", "3 sharps", "4 sharps", "5 sharps", "6 sharps", "7 sharps", "?"};

}  // namespace

std::string noteName(int note) {
    if (note < 0 || note > 127) return "?";
    std::string name(kNoteNames[static_cast<std::size_t>(note % 12)]);
    name += std::to_string(note / 12);
    if (name.size() < 3) name += ' ';
    return name;
}

std::string noteComment(int note, int velocity) {
    return "n=" + noteName(note) + " v=" + std::to_string(velocity);
}

std::string pitchComment(int lsb, int msb) { return "v=" + std::to_string((lsb & 127) + 128 * (msb & 127)); }

std::uint32_t tempoValue(std::span<const std::uint8_t> b) {
    std::uint32_t v = 0;
    for (auto byte : b.first(std::min<std::size_t>(b.size(), 3))) v = v * 256 + byte;
    return v;
}

std::string bpmComment(std::uint32_t tempo) {
    if (tempo == 0) return "BPM=?";
    return "BPM=" + std::to_string(60000000u / tempo);
}

std::string timeSignatureComment(int nn, int dd, int cc) {
    // 2 to the power dd; a shift past the width of the number would be undefined.
    const std::string denominator = dd < 63 ? std::to_string(1ull << dd) : "?";
    return "TS=" + std::to_string(nn) + "/" + denominator + " Met=" + std::to_string(cc) + "MC";
}

std::string keySignatureComment(int sf, int mi) {
    std::string text(kKeyNames[static_cast<std::size_t>((static_cast<std::uint8_t>(sf) + 7) % 16)]);
    text += (mi & 1) ? ", Min" : ", Maj";
    return text;
}

std::string textLengthComment(std::size_t length) { return "Len=" + std::to_string(length); }

std::string_view kindText(std::uint8_t status, std::uint8_t type) {
    if (status >= 0x80 && status < 0xF0) {
        switch (status & 0xF0) {
            case 0x80: return "Note off";
            case 0x90: return "Note on";
            case 0xA0: return "Key after-touch";
            case 0xB0: return "Control change";
            case 0xC0: return "Program (patch) change";
            case 0xD0: return "Chanel after-toch";
            default: return "Pitch wheel change";
        }
    }
    if (status == 0xF0) return "F0 System Exclusive Event";
    if (status == 0xF7) return "F7 System Exclusive Event";
    if (status != 0xFF) return "";
    switch (type) {
        case 0x00: return "Sequence Number";
        case 0x01: return "Text";
        case 0x02: return "Copyright info";
        case 0x03: return "Track name";
        case 0x04: return "Track instrument";
        case 0x05: return "Lyric";
        case 0x06: return "Marker";
        case 0x07: return "Cue point";
        case 0x20: return "MIDI Channel";
        case 0x21: return "MIDI Port";
        case 0x2F: return "Track end";
        case 0x51: return "Tempo";
        case 0x54: return "SMTPE Offset";
        case 0x58: return "Time Signature";
        case 0x59: return "Key Signature";
        case 0x7F: return "Sequencer specific information";
        case 0xF8: return "MIDI Clock";
        case 0xFA: return "MIDI Start";
        case 0xFC: return "MIDI Stop";
        case 0xFE: return "Active sensing";
        default: return "";
    }
}

int colourClass(std::span<const std::uint8_t> eventBytes) {
    const int status = eventBytes.empty() ? -1 : eventBytes[0];
    if (status >= 0x80 && status < 0xF0) {
        switch (status & 0xF0) {
            case 0x80: return 1;
            case 0x90: return 18;
            case 0xA0: return 2;
            case 0xB0: return 3;
            case 0xC0: return 4;
            case 0xD0: return 5;
            default: return 6;
        }
    }
    if (status == 0xF0 || status == 0xF7) return 7;
    if (status != 0xFF) return 0;
    const int type = eventBytes.size() < 2 ? -1 : eventBytes[1];
    switch (type) {
        case 0x00: return 8;
        case 0x01: case 0x02: case 0x03: case 0x04: case 0x05: case 0x07: return 9;
        case 0x06: return 10;
        case 0x20: case 0x21: return 11;
        case 0x2F: return 12;
        case 0x51: return 13;
        case 0x54: return 14;
        case 0x58: return 15;
        case 0x59: return 16;
        case 0x7F: return 17;
        default: return 0;
    }
}

NameSources builtinNames() {
    return {[](int, int program) { return std::string(names::gmProgramName(program)); },
            [](std::span<const std::uint8_t>) { return std::string(); }};
}

}  // namespace document

#include "document/demo_style.h"

#include <algorithm>
#include <string>

#include "document/smf_builder.h"

namespace document {
namespace {

constexpr std::uint16_t kDivision = 480;
constexpr std::uint32_t kBar = kDivision * 4;

// Zero-based channels of the style parts.
enum : std::uint8_t { RhythmSub = 8, RhythmMain = 9, Bass = 10, Chord1 = 11, Chord2 = 12, Pad = 13, Phrase1 = 14, Phrase2 = 15 };

// Notes of one section: each part plays one bar on a Cmaj7 chord; events are
// gathered with absolute ticks and written in time order.
struct Timed {
    std::uint32_t tick;
    std::vector<std::uint8_t> bytes;
};

void addNote(std::vector<Timed>& out, std::uint32_t at, std::uint8_t ch, int noteNumber, std::uint8_t vel,
             std::uint32_t length) {
    const auto note = static_cast<std::uint8_t>(noteNumber);
    out.push_back({at, {static_cast<std::uint8_t>(0x90 | ch), note, vel}});
    out.push_back({at + length, {static_cast<std::uint8_t>(0x80 | ch), note, 0x40}});
}

std::vector<Timed> sectionNotes(std::uint32_t start, int bars, int variation) {
    std::vector<Timed> ev;
    for (int bar = 0; bar < bars; ++bar) {
        const std::uint32_t b = start + static_cast<std::uint32_t>(bar) * kBar;
        for (std::uint32_t beat = 0; beat < 4; ++beat) {
            const std::uint32_t t = b + beat * kDivision;
            addNote(ev, t, RhythmMain, beat % 2 == 0 ? 36 : 38, 100, 120);   // kick and snare
            addNote(ev, t, RhythmMain, 42, 80, 60);                            // closed hi-hat
            addNote(ev, t + kDivision / 2, RhythmMain, 42, 60, 60);
            if (variation > 0) addNote(ev, t + kDivision / 2, RhythmSub, 70, 70, 60);  // maracas
        }
        addNote(ev, b, Bass, 36, 100, kDivision * 2 - 20);
        addNote(ev, b + kDivision * 2, Bass, static_cast<std::uint8_t>(43 - variation), 90, kDivision * 2 - 20);
        for (int n : {60, 64, 67, 71}) addNote(ev, b + kDivision, Chord1, n, 80, kDivision / 2);
        for (int n : {64, 67, 71}) addNote(ev, b + kDivision * 3, Chord2, n, 70, kDivision / 2);
        for (int n : {55, 59, 64}) addNote(ev, b, Pad, n, 60, kBar - 10);
        addNote(ev, b, Phrase1, static_cast<std::uint8_t>(72 + variation * 2), 90, kDivision);
        addNote(ev, b + kDivision * 2, Phrase2, 79, 80, kDivision);
    }
    return ev;
}

// One Ctab entry of 27 bytes.
base::Bytes ctab(std::uint8_t track, std::string_view name, std::uint8_t ntr, std::uint8_t ntt, std::uint8_t low,
                std::uint8_t high, std::uint8_t rtr) {
    base::Bytes e = {track};
    std::string padded(name);
    padded.resize(8, ' ');
    e.insert(e.end(), padded.begin(), padded.end());
    const std::initializer_list<std::uint8_t> rest = {track, 0, 0x0F, 0xFF, 0x03, 0xFF, 0xFF, 0xFF, 0xFF,
                                                      0,     2, ntr,  ntt,  7,    low,  high, rtr,  0};
    e.insert(e.end(), rest.begin(), rest.end());
    return chunk("Ctab", e);
}

base::Bytes cseg(std::string_view sections, bool withSub) {
    base::Bytes body = chunk("Sdec", base::Bytes(sections.begin(), sections.end()));
    if (withSub) append(body, ctab(RhythmSub, "RhySub", 1, 0, 0, 127, 1));
    append(body, ctab(RhythmMain, "Rhythm", 1, 0, 0, 127, 1));
    append(body, ctab(Bass, "Bass", 0, 3, 24, 72, 1));
    append(body, ctab(Chord1, "Chord1", 0, 2, 48, 96, 1));
    append(body, ctab(Chord2, "Chord2", 0, 2, 48, 96, 1));
    append(body, ctab(Pad, "Pad", 0, 2, 36, 96, 2));
    append(body, ctab(Phrase1, "Phrase1", 0, 1, 48, 108, 3));
    append(body, ctab(Phrase2, "Phrase2", 0, 1, 48, 108, 3));
    append(body, chunk("Cntt", {Phrase2, 0x80}));
    return chunk("CSEG", body);
}

}  // namespace

base::Bytes demoStyle() {
    TrackBuilder track;
    track.text(0, 0x03, "Demo Style")
        .text(0, 0x02, "Made with Ctabber")
        .tempo(0, 500000)
        .meta(0, 0x58, {4, 2, 24, 8})
        .meta(0, 0x59, {0, 0})
        .text(0, 0x06, "SFF1")
        .text(0, 0x06, "SInt")
        .sysex(0, {0x7E, 0x7F, 0x09, 0x01, 0xF7})                    // GM System On
        .sysex(0, {0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7});  // XG System On
    // Voices: bank select and program per part.
    const std::uint8_t programs[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 33, 4, 24, 89, 56, 65};
    for (std::uint8_t ch = RhythmSub; ch <= Phrase2; ++ch) {
        const bool drums = ch <= RhythmMain;
        track.event(0, {static_cast<std::uint8_t>(0xB0 | ch), 0, static_cast<std::uint8_t>(drums ? 127 : 0)})
            .event(0, {static_cast<std::uint8_t>(0xB0 | ch), 32, 0})
            .event(0, {static_cast<std::uint8_t>(0xC0 | ch), programs[ch]})
            .event(0, {static_cast<std::uint8_t>(0xB0 | ch), 7, 100})
            .event(0, {static_cast<std::uint8_t>(0xB0 | ch), 10, static_cast<std::uint8_t>(drums ? 64 : 40 + ch * 4)});
    }
    const std::pair<std::string_view, int> sections[] = {
        {"Intro A", 0},    {"Main A", 0},     {"Main B", 1},     {"Main C", 1},       {"Main D", 2},
        {"Fill In AA", 1}, {"Fill In BB", 1}, {"Fill In CC", 2}, {"Fill In DD", 2}, {"Ending A", 0}};
    std::uint32_t now = kBar;  // the setup bar
    std::uint32_t last = 0;
    for (const auto& [name, variation] : sections) {
        track.text(now - last, 0x06, name);
        last = now;
        const int bars = name.rfind("Main", 0) == 0 ? 2 : 1;
        auto notes = sectionNotes(now, bars, variation);
        std::stable_sort(notes.begin(), notes.end(), [](const Timed& a, const Timed& b) { return a.tick < b.tick; });
        for (const auto& e : notes) {
            track.event(e.tick - last, e.bytes);
            last = e.tick;
        }
        if (name == "Main B") track.event(0, {0xE0 | Phrase1, 0x00, 0x50});  // a pitch bend
        now += static_cast<std::uint32_t>(bars) * kBar;
    }
    track.end(now - last);

    base::Bytes style = smfFile(0, kDivision, {track.bytes()});
    base::Bytes casmBody;
    append(casmBody, cseg("Intro A,Ending A", false));
    append(casmBody, cseg("Main A,Main B,Main C,Main D", true));
    append(casmBody, cseg("Fill In AA,Fill In BB,Fill In CC,Fill In DD", true));
    append(style, chunk("CASM", casmBody));
    // The add part: one further chunk, carried through unchanged.
    append(style, chunk("OTSc", {0x4D, 0x48, 0x00, 0x00, 0x00, 0x04, 0x00, 0x01, 0x02, 0x03}));
    return style;
}

}  // namespace document

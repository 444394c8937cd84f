#pragma once
// Generated style files for the chord-following tests: an SFF1 style (Ctab
// entries over C Maj7) and an SFF2 style (Ctb2 entries with zones over
// D min7), each with sections "Main A" (two bars) and "Fill In AA" (one),
// parts on channels 9 to 16 whose notes reach well past their note limits.
#include <vector>

#include "casm/ctb2_from_ctab.h"
#include "casm/writer.h"
#include "document/smf_builder.h"

namespace chords_test {

struct StylePart {
    std::uint8_t channel;
    std::uint8_t ntr, ntt, low, high, rtr;
    std::vector<int> notes;  // played in turn, an eighth note each
};

inline const std::vector<StylePart>& styleParts() {
    static const std::vector<StylePart> parts = {
        {8, 1, 0, 60, 70, 1, {35, 38, 42, 46, 49, 75}},       // drums: limits never apply
        {9, 1, 0, 0, 127, 1, {36, 38, 42, 44}},
        {10, 0, 3, 28, 52, 4, {24, 31, 36, 43, 48, 55, 60}},  // bass
        {11, 1, 2, 53, 79, 1, {48, 52, 55, 59, 64, 67, 71, 84}},
        {12, 0, 2, 55, 65, 3, {50, 60, 62, 64, 67, 71, 76}},  // a window narrower than an octave
        {13, 0, 4, 48, 84, 2, {40, 59, 64, 69, 74, 88}},
        {14, 0, 1, 60, 96, 3, {57, 62, 65, 72, 79, 98, 100}},
        {15, 0, 0, 36, 96, 0, {30, 62, 66, 70, 101}},
    };
    return parts;
}

inline std::vector<casm::Entry> styleEntries(bool sff2) {
    std::vector<casm::Entry> entries;
    for (const char* section : {"Main A", "Fill In AA"})
        for (const auto& p : styleParts()) {
            casm::Entry e = casm::newEntry();
            e.section = section;
            e[casm::Track] = p.channel;
            e[casm::MidiChan] = p.channel;
            e[casm::NTR] = p.ntr;
            e[casm::NTT] = p.ntt;
            e[casm::LowLimit] = p.low;
            e[casm::HighLimit] = p.high;
            e[casm::RTR] = p.rtr;
            if (p.channel == 15 && !sff2) casm::setCntt(e, true, 0x85);
            if (sff2) {
                e = casm::ctb2FromCtab(e);
                e.section = section;
                e[casm::ChordRoot] = 2;  // D min7
                e[casm::ChordType] = 10;
                if (p.channel == 10 || p.channel == 11) {
                    // Bass notes below 53 follow the low zone, the rest the middle zone.
                    e[casm::MiddleLow] = 53;
                    e.setRule(casm::Zone::Low, casm::Rule::NTR, 0);
                    e.setRule(casm::Zone::Low, casm::Rule::NTT, 0x81);
                    e.setRule(casm::Zone::Low, casm::Rule::LowLimit, 24);
                    e.setRule(casm::Zone::Low, casm::Rule::HighLimit, 52);
                }
                if (p.channel == 14) {
                    // Notes above 95 are effects that must not move.
                    e[casm::MiddleHigh] = 95;
                    e.setRule(casm::Zone::High, casm::Rule::NTR, 1);
                    e.setRule(casm::Zone::High, casm::Rule::NTT, 0);
                    e.setRule(casm::Zone::High, casm::Rule::LowLimit, 96);
                    e.setRule(casm::Zone::High, casm::Rule::HighLimit, 127);
                }
            }
            entries.push_back(e);
        }
    return entries;
}

// The MIDI part: set-up, then both sections; each part plays its notes in
// turn, an eighth note apart and 200 ticks long, over the section.
inline base::Bytes styleMidi(bool sff2) {
    constexpr std::uint32_t kEighth = 240;
    constexpr std::uint32_t kLength = 200;
    document::TrackBuilder t;
    t.tempo(0, 500000).meta(0, 0x58, {4, 2, 24, 8}).text(0, 0x06, sff2 ? "SFF2" : "SFF1").text(0, 0x06, "SInt");
    for (const auto& p : styleParts()) t.event(0, {static_cast<std::uint8_t>(0xC0 | p.channel), 0});
    std::uint32_t gap = 0;  // from the last note-off to the next step
    for (auto [name, bars] : {std::pair<const char*, std::uint32_t>{"Main A", 2}, {"Fill In AA", 1}}) {
        t.text(gap, 0x06, name);
        gap = 0;
        for (std::uint32_t step = 0; step < bars * 8; ++step) {
            for (int off = 0; off < 2; ++off) {
                std::uint32_t delta = off ? kLength : gap;
                for (const auto& p : styleParts()) {
                    const auto note = static_cast<std::uint8_t>(p.notes[step % p.notes.size()]);
                    t.event(delta, {static_cast<std::uint8_t>((off ? 0x80 : 0x90) | p.channel), note,
                                    static_cast<std::uint8_t>(off ? 0 : 100)});
                    delta = 0;
                }
            }
            gap = kEighth - kLength;
        }
    }
    t.end(gap);
    return document::smfFile(0, 480, {t.bytes()});
}

// The whole style file: MIDI part and CASM section.
inline base::Bytes generatedStyle(bool sff2) {
    base::Bytes style = styleMidi(sff2);
    document::append(style, casm::writeCasm(styleEntries(sff2)).bytes);
    return style;
}

}  // namespace chords_test

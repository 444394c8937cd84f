// Whole styles over chords: every section of the demo style and of the
// generated SFF1 and SFF2 styles.
#include <gtest/gtest.h>

#include <map>

#include "casm/reader.h"
#include "chord_fixtures.h"
#include "chords/engine.h"
#include "document/demo_style.h"
#include "document/smf_reader.h"
#include "generated_style.h"
#include "playback/collect_events.h"
#include "support/temp_dir.h"

namespace {

struct Style {
    std::string name;
    document::Document doc;
    std::vector<casm::Entry> entries;
};

Style readStyle(std::string name, const base::Bytes& bytes) {
    testing_support::TempWorkspace w;
    Style style{std::move(name), {}, {}};
    const auto read = document::readBytes(bytes, style.doc, w.ws);
    EXPECT_TRUE(read.casmTaken) << style.name;
    auto casm = casm::readCasmFile(w.ws.casm());
    EXPECT_TRUE(casm.ok()) << style.name;
    style.entries = std::move(casm.entries);
    return style;
}

std::vector<Style> styles() {
    std::vector<Style> out;
    out.push_back(readStyle("demo", document::demoStyle()));
    out.push_back(readStyle("generated SFF1", chords_test::generatedStyle(false)));
    out.push_back(readStyle("generated SFF2", chords_test::generatedStyle(true)));
    return out;
}

std::vector<std::string> sectionsOf(const document::Document& doc) {
    std::vector<std::string> out;
    for (const auto& m : doc.markers)
        if (m != "SFF1" && m != "SFF2" && m != "SInt") out.push_back(m);
    return out;
}

// The raw entry of a source channel in a section.
const casm::Entry* entryOf(const Style& style, const std::string& section, int channel) {
    for (const auto& e : style.entries)
        if (e.section == section && e[casm::Track] == channel) return &e;
    return nullptr;
}

// What the section's notes become over its source chord, read from the
// events and the entry bytes: the note moved by octaves into the limits of
// its zone, except under Root Fixed with Bypass. (tick, channel, note, length).
using Key = std::tuple<std::uint64_t, int, int, std::uint64_t>;

std::multiset<Key> patternAfterLimits(const Style& style, const std::string& section, std::uint64_t length) {
    std::vector<playback::MidiEvent> events;
    playback::CollectEvents(events, style.doc.events, section);
    std::map<std::pair<int, int>, std::uint64_t> open;
    std::multiset<Key> out;
    for (const auto& ev : events) {
        const int status = static_cast<int>(ev.message & 0xF0), channel = static_cast<int>(ev.message & 0x0F);
        const int note = static_cast<int>(ev.message >> 8 & 0x7F), velocity = static_cast<int>(ev.message >> 16 & 0x7F);
        if (status == 0x90 && velocity > 0) open[{channel, note}] = ev.tick;
        if (status != 0x80 && !(status == 0x90 && velocity == 0)) continue;
        const auto* e = entryOf(style, section, channel);
        if (!e || !open.count({channel, note})) continue;
        auto zone = casm::Zone::Middle;
        if (e->kind() == casm::TableKind::Ctb2 && note < (*e)[casm::MiddleLow]) zone = casm::Zone::Low;
        if (e->kind() == casm::TableKind::Ctb2 && note > (*e)[casm::MiddleHigh]) zone = casm::Zone::High;
        const bool fixedBypass = e->rule(zone, casm::Rule::NTR) == 1 && e->rule(zone, casm::Rule::NTT) == 0;
        int pitch = note;
        if (!fixedBypass) {
            while (pitch < e->rule(zone, casm::Rule::LowLimit)) pitch += 12;
            while (pitch > e->rule(zone, casm::Rule::HighLimit)) pitch -= 12;
        }
        const std::uint64_t on = open[{channel, note}];
        out.insert({on, (*e)[casm::MidiChan], pitch, std::min(ev.tick, length) - on});
        open.erase({channel, note});
    }
    return out;
}

std::multiset<Key> keys(const chords::Performance& p) {
    std::multiset<Key> out;
    for (const auto& n : p.notes) out.insert({n.tick, n.channel, n.note, n.duration});
    return out;
}

}  // namespace

TEST(StyleSections, OverTheSourceChordEverySectionPlaysItsPatternAfterTheNoteLimits) {
    for (const auto& style : styles()) {
        const auto sections = sectionsOf(style.doc);
        ASSERT_GE(sections.size(), 2u) << style.name;
        for (const auto& section : sections) {
            const auto plan = chords::planDocumentSection(style.doc, style.entries, section);
            ASSERT_TRUE(plan) << style.name << " " << section;
            EXPECT_TRUE(plan->unassigned.empty()) << style.name << " " << section;
            const auto* any = entryOf(style, section, style.entries.front()[casm::Track]);
            ASSERT_TRUE(any) << style.name << " " << section;
            const auto source = chords::chordName({false, (*any)[casm::ChordRoot], (*any)[casm::ChordType], {}});
            auto progression = std::get<std::vector<chords::TimedChord>>(chords::parseProgression(source, {}, 480));
            chords::PlayOptions once;
            once.loop = false;
            const auto played = chords::playProgression(*plan, progression, once);
            const auto expected = patternAfterLimits(style, section, plan->length);
            EXPECT_FALSE(expected.empty()) << style.name << " " << section;
            EXPECT_EQ(keys(played), expected) << style.name << " " << section << " over " << source;
        }
    }
    // The generated styles' notes do reach past their limits, so the limits were tested.
    const auto sff1 = styles()[1];
    const auto plan = chords::planDocumentSection(sff1.doc, sff1.entries, "Main A");
    ASSERT_TRUE(plan);
    int moved = 0;
    for (const auto& n : chords::playProgression(*plan, chords_test::progression("CMaj7"), {}).notes)
        moved += n.note != n.sourceNote ? 1 : 0;
    EXPECT_GT(moved, 10);
}

TEST(StyleSections, DrumsNeverMoveWhateverTheChords) {
    for (const auto& style : styles())
        for (const auto& section : sectionsOf(style.doc)) {
            const auto plan = chords::planDocumentSection(style.doc, style.entries, section);
            ASSERT_TRUE(plan);
            auto progression = std::get<std::vector<chords::TimedChord>>(chords::parseProgression(
                "C Am7 F#m7b5 B7(b9) | Ebdim7 Ab/C G7sus4 Dbaug | N.C. | E1+8 Fm7(9)", {}, 480));
            const auto played = chords::playProgression(*plan, progression, {});
            std::size_t drums = 0;
            for (const auto& n : played.notes) {
                if (n.channel != 8 && n.channel != 9) continue;
                ++drums;
                EXPECT_EQ(n.note, n.sourceNote) << style.name << " " << section << " tick " << n.tick;
                EXPECT_TRUE(n.attack);
            }
            std::size_t perPass = 0;
            for (const auto& n : plan->notes) perPass += n.channel == 8 || n.channel == 9 ? 1 : 0;
            // Four bars of progression: every pass of the section plays every drum note.
            EXPECT_EQ(drums, perPass * (4 * 1920 / plan->length)) << style.name << " " << section;
        }
}

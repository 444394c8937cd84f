#include <gtest/gtest.h>

#include <fstream>

#include "base/file_io.h"
#include "casm/creation.h"
#include "casm/reader.h"
#include "casm_bytes.h"
#include "document/smf_builder.h"
#include "support/cli_run.h"
#include "support/drum_section.h"
#include "support/event_rows.h"
#include "support/temp_dir.h"

using namespace casm;
using namespace casm_test;
using testing_support::TempDir;

namespace {

class Events {
public:
    Events& text(std::uint8_t type, std::string_view text) {
        list_.appendRow(document::eventRow(0, testing_support::textMeta(type, text)));
        return *this;
    }
    Events& marker(std::string_view text) { return this->text(0x06, text); }
    Events& channel(std::uint8_t status, std::initializer_list<std::uint8_t> data) {
        std::vector<std::uint8_t> bytes{status};
        for (auto b : data) bytes.push_back(b);
        list_.appendRow(document::eventRow(0, bytes));
        return *this;
    }
    const document::EventList& list() const { return list_; }

private:
    document::EventList list_;
};

Kinds only(int channel, Kind kind) {
    Kinds kinds{};
    kinds[static_cast<std::size_t>(channel - 1)] = kind;
    return kinds;
}

}  // namespace

TEST(CasmCreation, SectionNamesComeFromMarkersWithTheFivePrefixes) {
    Events e;
    e.marker("SFF1").marker("SInt").marker("Main A").marker("Fill In AA").text(0x01, "Main X")
        .marker("Intro A").marker("Mainly").marker("main B").marker("Fill").marker("Main A").marker("Break");
    EXPECT_EQ(sectionNamesFromMarkers(e.list()), "Main A,Fill In AA,Intro A,Mainly,Break");
}

TEST(CasmCreation, SurveyCountsNotesBanksAndPrograms) {
    Events e;
    e.channel(0x92, {60, 100}).channel(0x92, {60, 0}).channel(0x92, {60, 1}).channel(0x92, {64, 1})
        .channel(0x82, {60, 0})
        .channel(0xB5, {0, 127}).channel(0xB5, {32, 3}).channel(0xC5, {24}).channel(0xB5, {0, 127})
        .channel(0xC0, {10}).channel(0xC0, {40});
    const auto s = surveyChannels(e.list());
    EXPECT_EQ(s[2].notes, 4u);
    EXPECT_EQ(s[2].repeat, 2u);
    EXPECT_EQ(s[2].maxRepeat, 3u);
    EXPECT_TRUE(s[2].used);
    EXPECT_EQ(s[2].program, 255);
    EXPECT_FALSE(s[5].used);
    EXPECT_EQ(s[5].bankMsb, 127);
    EXPECT_EQ(s[5].bankLsb, 3);
    EXPECT_EQ(s[5].program, 24);
    EXPECT_EQ(s[0].program, 40);  // the last program change

    const auto drums = creationRow(s[5], 5, false);
    EXPECT_EQ(drums.instrument, "Electro Kit");
    EXPECT_EQ(drums.group, "DRUM");
    EXPECT_EQ(drums.bank, std::to_string(127 * 128 + 3));
    EXPECT_EQ(drums.assign, "Drums");
    EXPECT_FALSE(creationRow(s[5], 5, true).filled);  // no notes

    const auto first = creationRow(s[0], 0, false);  // channel 1 plays the melody whatever its program
    EXPECT_EQ(first.instrument, "Violin");
    EXPECT_EQ(first.group, "STRINGS");
    EXPECT_EQ(first.kind, Kind::Melody);
}

TEST(CasmCreation, ProposedKindsFollowGroupsOrChannels) {
    Survey s{};
    for (auto& ch : s) ch.notes = 1;
    s[1].program = 33;   // BASS
    s[2].program = 90;   // SYNTH PAD
    s[3].program = 4;    // PIANO
    s[4].program = 130;  // not a program: proposed by channel, and channel 5 has none
    const Kinds kinds = proposedKinds(s, true);
    const Kinds expected = {Kind::Melody,  Kind::Bass,  Kind::Pad,   Kind::Melody, Kind::Unknown, Kind::Unknown,
                            Kind::Unknown, Kind::Unknown, Kind::Drums, Kind::Drums,  Kind::Bass,    Kind::Chord,
                            Kind::Chord,   Kind::Pad,     Kind::Phrase, Kind::Phrase};
    EXPECT_EQ(kinds, expected);
    s[8].notes = 0;
    EXPECT_EQ(proposedKinds(s, true)[8], Kind::Unknown);
    EXPECT_EQ(kindFromName("Pad"), Kind::Pad);
    EXPECT_EQ(kindFromName("pad"), Kind::Unknown);
}

TEST(CasmCreation, WritesOneSegmentInChannelOrderWithKindDefaults) {
    Events e;
    e.marker("Main A").marker("Main B");
    Kinds kinds{};
    kinds[10] = Kind::Bass;
    kinds[8] = Kind::Drums;
    kinds[9] = Kind::Phrase;
    const auto created = createCasm(e.list(), kinds, base::Profile());
    ASSERT_TRUE(created.ok());
    const std::size_t sdec = 13;
    EXPECT_EQ(created.bytes.size(), sdec + 35 * 3 + 24);
    EXPECT_EQ(created.bytes[7], sdec + 35 * 3 + 16);
    const auto entries = readCasm(created.bytes, "x").entries;
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries[0][Track], 8);
    EXPECT_EQ(entries[1][Track], 9);
    EXPECT_EQ(entries[2][Track], 10);
    EXPECT_EQ(entries[2][MidiChan], 10);
    EXPECT_EQ(entries[5].section, "Main B");
    EXPECT_EQ(entries[1].name(), "Phrase  ");
    EXPECT_EQ(entries[1][NTT], 1);
    EXPECT_EQ(entries[2].name(), "Bass    ");
    EXPECT_EQ(entries[2][NTT], 3);
    EXPECT_EQ(entries[2][HighestKey], 3);
    EXPECT_EQ(entries[2][RTR], 4);
}

TEST(CasmCreation, CasmIniOverridesOnlyWhenUsed) {
    base::Profile ini;
    ini.writeInt("bass", "USE", 1);
    ini.writeString("Bass", "Name", "MyBass\x01XYZ");
    ini.writeInt("Bass", "NTT", 0x105);
    ini.writeInt("Bass", "Track", 3);  // not a key creation reads
    ini.writeInt("Bass", "unkn26", 7);
    ini.writeInt("PAD", "USE", 0);
    ini.writeInt("PAD", "RTR", 3);
    const Entry bass = kindEntry(Kind::Bass, 10, ini);
    EXPECT_EQ(bass.name(), "MyBass X");
    EXPECT_EQ(bass[NTT], 5);
    EXPECT_EQ(bass[Track], 10);
    EXPECT_EQ(bass[unkn26], 7);
    EXPECT_EQ(bass[HighestKey], 3);  // kind default kept where the file says nothing
    const Entry pad = kindEntry(Kind::Pad, 13, ini);
    EXPECT_EQ(pad[RTR], 1);
    EXPECT_EQ(pad.name(), "Pad     ");
}

TEST(CasmCreation, RefusalsLeaveTheTargetAsItWas) {
    TempDir dir;
    const auto target = dir / "#casm.csm";
    ASSERT_TRUE(base::writeFileAtomic(target, kMainADrums));
    auto refusal = [&](const Events& e, const Kinds& kinds) {
        const auto r = createCasmFile(target, e.list(), kinds, base::Profile());
        EXPECT_EQ(base::readFile(target), kMainADrums);
        EXPECT_TRUE(r.failure);
        EXPECT_EQ(r.failure ? r.failure->caption : "", "Unable to create the CASM...");
        return r.failure ? r.failure->text : "";
    };
    Events noMarkers;
    noMarkers.marker("SFF1");
    EXPECT_EQ(refusal(noMarkers, only(9, Kind::Drums)), "No Markers in the MIDI part...");
    Events main;
    main.marker("Main A");
    EXPECT_EQ(refusal(main, Kinds{}), "No channel assignment...");
    Events many;
    for (int i = 0; i < 26; ++i) many.marker("Main " + std::string(8, static_cast<char>('A' + i)));
    EXPECT_NE(refusal(many, only(1, Kind::Melody)).find("255"), std::string::npos);

    const auto unwritable = createCasmFile(dir / "no" / "x.csm", main.list(), only(9, Kind::Drums), base::Profile());
    ASSERT_TRUE(unwritable.failure);
    EXPECT_EQ(unwritable.failure->text, "Unable to create a temporary file...");
    EXPECT_EQ(unwritable.failure->textId, 101);
}

TEST(CasmCli, CreatedDrumSectionIsExactAndRewritesByteForByte) {
    TempDir dir;
    const auto midi = dir / "in.mid";
    ASSERT_TRUE(base::writeFileAtomic(midi, testing_support::drumSectionMidi()));
    const auto created = dir / "created.csm";
    const auto work = (dir / "work").string();
    auto run = testing_support::runCli({"create-casm", midi.string(), created.string(), "--assign", "9=Drums",
                                     "--workdir", work});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(base::readFile(created), kMainADrums);

    // Proposed kinds: channel 9 with notes and no program is drums too.
    run = testing_support::runCli({"create-casm", midi.string(), (dir / "proposed.csm").string(), "--workdir", work});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(base::readFile(dir / "proposed.csm"), kMainADrums);

    const auto rewritten = dir / "rewritten.csm";
    run = testing_support::runCli({"casm-rewrite", created.string(), rewritten.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(base::readFile(rewritten), kMainADrums);

    // The same section inside a style file.
    auto style = testing_support::drumSectionMidi();
    document::append(style, kMainADrums);
    document::append(style, {'O', 'T', 'S', 'c'});
    ASSERT_TRUE(base::writeFileAtomic(dir / "s.sty", style));
    run = testing_support::runCli({"casm", (dir / "s.sty").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1\tMain A\t9\tRhytm   \t9\tC\tMaj7\tFixed\tBypass\tF#\tC0 \tG10\tPitchShift\tNone\tNone\tYes\t\t\n");
    run = testing_support::runCli({"check", (dir / "s.sty").string()});
    EXPECT_EQ(run.out, "No warnings...\n");

    // Casm.INI in the program directory changes the drums.
    std::ofstream((dir / "work" / "Casm.INI")) << "[DRUMS]\nUSE=1\nMidiChan=2\nReadOnly=1\n";
    run = testing_support::runCli({"create-casm", midi.string(), created.string(), "--assign", "9=drums",
                                "--workdir", work});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto entries = readCasmFile(created).entries;
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0][ReadOnly], 1);
    EXPECT_EQ(entries[0][MidiChan], 8);  // not one of the keys the file may set
}

TEST(CasmCli, FailuresGoToStderrWithTheirExitStatus) {
    TempDir dir;
    Bytes bad = kMainADrums;
    bad[37] = 28;  // Ctab length
    ASSERT_TRUE(base::writeFileAtomic(dir / "bad.csm", bad));
    auto run = testing_support::runCli({"casm", (dir / "bad.csm").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, (dir / "bad.csm").string() + "\tWrong data...Position in CASM: 25h\n");
    run = testing_support::runCli({"casm-rewrite", (dir / "bad.csm").string(), (dir / "out.csm").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(base::fileExists(dir / "out.csm"));
    EXPECT_EQ(testing_support::runCli({"casm", (dir / "missing.csm").string()}).status, 2);
    // The same section inside a style: the message names the style, not the working file.
    auto style = document::smfFile(0, 96, {document::TrackBuilder().end().bytes()});
    document::append(style, bad);
    ASSERT_TRUE(base::writeFileAtomic(dir / "bad.sty", style));
    run = testing_support::runCli({"casm", (dir / "bad.sty").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, (dir / "bad.sty").string() + "\tWrong data...Position in CASM: 25h\n");
    EXPECT_EQ(testing_support::runCli({"create-casm", "a", "b", "--assign", "17=Drums"}).status, 2);
    EXPECT_EQ(testing_support::runCli({"create-casm", "a", "b", "--assign", "9=Snare"}).status, 2);

    Bytes lowChannel = kMainADrums;
    lowChannel[47] = 7;  // MidiChan
    ASSERT_TRUE(base::writeFileAtomic(dir / "low.csm", lowChannel));
    run = testing_support::runCli({"check", (dir / "low.csm").string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "WARNING: PSR do not use channel 8 in section Main A\n");
}

TEST(CasmCreation, AnSff2MidiPartGetsCtb2EntriesWithTheKindDefaultsInEveryZone) {
    Events sff2;
    sff2.text(0x01, "SFF1").marker("SFF2").marker("SInt").marker("Main A");
    Events sff1;
    sff1.marker("SFF1").marker("SFF2").marker("Main A");
    EXPECT_EQ(tableKindOfMarkers(sff2.list()), TableKind::Ctb2);
    EXPECT_EQ(tableKindOfMarkers(sff1.list()), TableKind::Ctab);
    EXPECT_EQ(tableKindOfMarkers(Events().list()), TableKind::Ctab);

    Kinds kinds{};
    kinds[8] = Kind::Drums;
    kinds[10] = Kind::Bass;
    const auto created = createCasm(sff2.list(), kinds, base::Profile());
    ASSERT_TRUE(created.ok());
    EXPECT_EQ(created.bytes.size(), 8u + 8 + 14 + 2 * 55);
    const auto entries = readCasm(created.bytes, "x").entries;
    ASSERT_EQ(entries.size(), 2u);
    for (const Entry& e : entries) {
        EXPECT_EQ(e.kind(), TableKind::Ctb2);
        EXPECT_EQ(e[MiddleLow], 0);
        EXPECT_EQ(e[MiddleHigh], 127);
    }
    for (int z = 0; z < kZoneCount; ++z) {
        const auto zone = static_cast<Zone>(z);
        EXPECT_EQ(entries[0].rule(zone, Rule::NTR), 1);
        EXPECT_EQ(entries[0].rule(zone, Rule::HighestKey), 6);
        EXPECT_EQ(entries[1].rule(zone, Rule::NTT), 0x81);  // "Bass" is a Melody part with the bass bit
        EXPECT_EQ(entries[1].rule(zone, Rule::RTR), 4);
    }
    // The same choice for the SFF1 part still writes Ctab entries.
    EXPECT_EQ(readCasm(createCasm(sff1.list(), kinds, base::Profile()).bytes, "x").entries.at(1)[NTT], 3);
}

#include "chords/note_pitch.h"

#include <gtest/gtest.h>

#include <vector>

#include "chord_fixtures.h"
#include "chords/chord_types.h"

using chords::Ntr;
using chords::Table;
using chords::ZoneRules;
using chords_test::chord;

namespace {

constexpr chords::SourceChord kCMaj7{0, chords::kMaj7};

ZoneRules rules(Ntr ntr, Table table, int low = 0, int high = 127, int highKey = 11) {
    ZoneRules r;
    r.ntr = ntr;
    r.table = table;
    r.low = low;
    r.high = high;
    r.highKey = highKey;
    return r;
}

std::vector<int> over(const std::vector<int>& notes, const ZoneRules& r, std::string_view symbol,
                      chords::SourceChord source = kCMaj7) {
    std::vector<int> out;
    for (int n : notes) out.push_back(chords::notePitch(n, r, source, chord(symbol)));
    return out;
}

using V = std::vector<int>;
const V kTriad = {60, 64, 67};
const V kScale = {60, 62, 64, 65, 67, 69, 71};  // C D E F G A B

}  // namespace

TEST(RootTrans, ShiftsByTheRootDistanceAndGoesDownAboveTheHighestKey) {
    EXPECT_EQ(over(kTriad, rules(Ntr::RootTrans, Table::Bypass), "F"), (V{65, 69, 72}));
    const auto highKeyF = rules(Ntr::RootTrans, Table::Bypass, 0, 127, 5);
    EXPECT_EQ(over(kTriad, highKeyF, "C"), (V{60, 64, 67}));
    EXPECT_EQ(over(kTriad, highKeyF, "F"), (V{65, 69, 72}));
    EXPECT_EQ(over(kTriad, highKeyF, "F#"), (V{54, 58, 61}));
    EXPECT_EQ(over(kTriad, highKeyF, "C#"), (V{61, 65, 68}));
    // With a D source both distances count from D: highest key F is 3 above it.
    const chords::SourceChord dMin7{2, 10};
    const V dTriad = {62, 65, 69};
    EXPECT_EQ(over(dTriad, highKeyF, "Fm7", dMin7), (V{65, 68, 72}));
    EXPECT_EQ(over(dTriad, highKeyF, "Gm7", dMin7), (V{55, 58, 62}));
    // Bypass keeps the intervals whatever the chord type.
    EXPECT_EQ(over(kScale, rules(Ntr::RootTrans, Table::Bypass), "Gm"), (V{67, 69, 71, 72, 74, 76, 78}));
}

TEST(RootFixed, ChordTableMovesEachNoteToTheNearestChordToneTiesGoingUp) {
    EXPECT_EQ(over(kTriad, rules(Ntr::RootFixed, Table::Chord), "F"), (V{60, 65, 69}));
    // B is a semitone from C over Am7, two from A.
    EXPECT_EQ(over({59, 64, 67, 71}, rules(Ntr::RootFixed, Table::Chord), "Am7"), (V{60, 64, 67, 72}));
    // Melody allows the played chord's scale: C D E F G A B all belong to G7's.
    EXPECT_EQ(over(kScale, rules(Ntr::RootFixed, Table::Melody), "G7"), kScale);
    // Over E major the scale of E: C->C#, D->D#, F->F#, G->G#.
    EXPECT_EQ(over(kScale, rules(Ntr::RootFixed, Table::Melody), "E"), (V{61, 63, 64, 66, 68, 69, 71}));
}

TEST(RootFixed, BypassNeverMovesANoteAndIgnoresTheLimits) {
    const auto drums = rules(Ntr::RootFixed, Table::Bypass, 60, 72);
    for (auto symbol : {"C", "F#m7", "Bb7(9)", "Ebdim7", "G/B", "A1+8"})
        EXPECT_EQ(over({30, 36, 42, 100}, drums, symbol), (V{30, 36, 42, 100})) << symbol;
}

TEST(NoteLimits, FoldByOctavesIntoTheRangeUpFirstThenDown) {
    // E G C over F: A C, and F an octave down (77 is above 74).
    EXPECT_EQ(over({64, 67, 72}, rules(Ntr::RootTrans, Table::Bypass, 60, 74), "F"), (V{69, 72, 65}));
    EXPECT_EQ(chords::foldIntoLimits(40, 60, 74), 64);
    EXPECT_EQ(chords::foldIntoLimits(90, 60, 74), 66);
    // A range narrower than an octave: raised above the low limit, then lowered below the high one.
    EXPECT_EQ(chords::foldIntoLimits(57, 60, 65), 57);
    EXPECT_EQ(chords::foldIntoLimits(58, 60, 71), 70);
    // Limits beyond the MIDI range still give a note.
    EXPECT_EQ(chords::foldIntoLimits(5, 200, 255), 125);
    EXPECT_EQ(chords::foldIntoLimits(120, 0, 0), 0);
}

TEST(SourceChord, EveryTableKeepsTheRecordedNotesThenAppliesTheLimits) {
    const V notes = {30, 48, 59, 61, 64, 66, 70, 71, 84, 100};
    for (int t = 0; t <= static_cast<int>(Table::GuitarArpeggio); ++t)
        for (auto ntr : {Ntr::RootTrans, Ntr::RootFixed, Ntr::Guitar}) {
            const auto r = rules(ntr, static_cast<Table>(t), 48, 84);
            V expected;
            for (int n : notes) expected.push_back(ntr == Ntr::RootFixed && t == 0 ? n : chords::foldIntoLimits(n, 48, 84));
            EXPECT_EQ(over(notes, r, "CMaj7"), expected) << "ntr " << static_cast<int>(ntr) << " table " << t;
            // Another source chord, played as itself.
            EXPECT_EQ(over(notes, r, "Dm7", {2, 10}), expected) << "ntr " << static_cast<int>(ntr) << " table " << t;
        }
}

TEST(MinorTables, ChangeOnlyTheirDegreesWhenTheFamilyChanges) {
    const auto table = [](Table t) { return rules(Ntr::RootTrans, t); };
    EXPECT_EQ(over(kScale, table(Table::MelodicMinor), "Cm"), (V{60, 62, 63, 65, 67, 69, 71}));
    EXPECT_EQ(over(kScale, table(Table::HarmonicMinor), "Cm"), (V{60, 62, 63, 65, 67, 68, 71}));
    EXPECT_EQ(over(kScale, table(Table::NaturalMinor), "Cm"), (V{60, 62, 63, 65, 67, 68, 70}));
    EXPECT_EQ(over(kScale, table(Table::Dorian), "Cm"), (V{60, 62, 63, 65, 67, 69, 70}));
    // Same family: nothing but the transposition, whatever the type.
    EXPECT_EQ(over(kScale, table(Table::NaturalMinor), "G7"), (V{67, 69, 71, 72, 74, 76, 78}));
    // From a Cm7 source (its scale has a major 6th) over a major chord the
    // degrees go up; the 6th already has the major form and stays.
    const V cDorian = {60, 62, 63, 65, 67, 69, 70};
    EXPECT_EQ(over(cDorian, table(Table::NaturalMinor), "C", {0, 10}), kScale);
    EXPECT_EQ(over(cDorian, table(Table::MelodicMinor), "C", {0, 10}), (V{60, 62, 64, 65, 67, 69, 70}));
    // The 5th variants also move the 5th for augmented and diminished chords.
    EXPECT_EQ(over(kTriad, table(Table::MelodicMinor5th), "Caug"), (V{60, 64, 68}));
    EXPECT_EQ(over(kTriad, table(Table::MelodicMinor5th), "Cdim"), (V{60, 63, 66}));
    EXPECT_EQ(over(kTriad, table(Table::MelodicMinor), "Caug"), (V{60, 64, 67}));
    // Root Fixed: the changed source scale on the played root; C E G B fit A natural minor.
    EXPECT_EQ(over({60, 64, 67, 71}, rules(Ntr::RootFixed, Table::NaturalMinor), "Am"), (V{60, 64, 67, 71}));
    EXPECT_EQ(over({61, 66}, rules(Ntr::RootFixed, Table::NaturalMinor), "Am"), (V{62, 67}));
}

TEST(BassTable, OnBassChordsMoveTheRootDegreeToTheBassNote) {
    auto bass = rules(Ntr::RootTrans, Table::Melody);
    bass.bass = true;
    // Root notes take the bass note in the nearest octave; the rest follow the root.
    EXPECT_EQ(over({36, 43, 48}, bass, "C/E"), (V{40, 43, 52}));
    EXPECT_EQ(over({36, 43}, bass, "F/A"), (V{45, 48}));
    // Over the source chord with a bass note, only the root degree moves.
    EXPECT_EQ(over({36, 40, 43}, bass, "CMaj7/G"), (V{31, 40, 43}));
    // Without the bass flag an on-bass chord plays as its root.
    EXPECT_EQ(over({36, 43}, rules(Ntr::RootTrans, Table::Melody), "F/A"), (V{41, 48}));
}

TEST(GuessedTables, MapSourceDegreesOntoThePlayedChordType) {
    // Chord table over Cm7: the 3rd and 7th take the minor forms; 9th kept.
    EXPECT_EQ(over({60, 62, 64, 67, 71}, rules(Ntr::RootTrans, Table::Chord), "Cm7"), (V{60, 62, 63, 67, 70}));
    // Over a plain major triad the Chord table turns the 7th into the root above.
    EXPECT_EQ(over({64, 71}, rules(Ntr::RootTrans, Table::Chord), "C"), (V{64, 72}));
    // Melody over G7 transposes and flattens the 7th degree.
    EXPECT_EQ(over({60, 71}, rules(Ntr::RootTrans, Table::Melody), "G7"), (V{67, 77}));
    // A note between scale degrees keeps its distance above the degree below it.
    EXPECT_EQ(over({61}, rules(Ntr::RootTrans, Table::Melody), "Cm"), (V{61}));
}

TEST(RootPitch, ToRootKeepsTheSoundingOctave) {
    auto r = rules(Ntr::RootTrans, Table::Melody);
    EXPECT_EQ(chords::rootPitch(64, r, chord("F")), 65);
    EXPECT_EQ(chords::rootPitch(71, r, chord("D")), 62);
    EXPECT_EQ(chords::rootPitch(71, r, chord("D/F#")), 62);
    r.bass = true;
    EXPECT_EQ(chords::rootPitch(71, r, chord("D/F#")), 66);
    EXPECT_EQ(chords::rootPitch(127, r, chord("B")), 119);
}

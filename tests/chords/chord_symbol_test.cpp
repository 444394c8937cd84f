#include "chords/chord_symbol.h"

#include <gtest/gtest.h>

#include "casm/values.h"
#include "chords/chord_types.h"

using chords::Chord;
using chords::parseChord;

namespace {

std::string fault(std::string_view symbol) {
    auto parsed = parseChord(symbol);
    return std::holds_alternative<std::string>(parsed) ? std::get<std::string>(parsed) : "(parsed)";
}

Chord parsed(std::string_view symbol) {
    auto result = parseChord(symbol);
    EXPECT_TRUE(std::holds_alternative<Chord>(result)) << symbol << ": " << fault(symbol);
    return std::holds_alternative<Chord>(result) ? std::get<Chord>(result) : Chord{};
}

}  // namespace

TEST(ChordTypes, EveryTypeParsesFromItsGridNameAndEachAlias) {
    ASSERT_EQ(casm::chordTypeNames().size(), static_cast<std::size_t>(chords::kTypeCount));
    for (int t = 0; t < chords::kTypeCount; ++t) {
        EXPECT_EQ(chords::typeName(t), casm::chordTypeNames()[static_cast<std::size_t>(t)]);
        EXPECT_EQ(parsed("C" + std::string(chords::typeName(t))).type, t) << chords::typeName(t);
        ASSERT_FALSE(chords::typeAliases(t).empty()) << t;
        // No alias names a second type: each comes back as its own.
        for (auto alias : chords::typeAliases(t)) EXPECT_EQ(parsed("Bb" + std::string(alias)).type, t) << alias;
    }
    EXPECT_EQ(parsed("C").type, 0);
    EXPECT_EQ(parsed("C2").type, 33);
    EXPECT_EQ(parsed("Cadd9").type, 4);
    EXPECT_EQ(parsed("C9").type, 22);
    EXPECT_EQ(parsed("CM9").type, 5);
    EXPECT_EQ(parsed("Cm9").type, 13);
    EXPECT_EQ(parsed("C5").type, 31);
    EXPECT_EQ(parsed("C8").type, 30);
    EXPECT_EQ(chords::typeName(34), "");
    EXPECT_EQ(chords::sourceType(34), chords::kMaj7);
    EXPECT_EQ(chords::sourceType(255), chords::kMaj7);
}

TEST(ChordTypes, FamiliesFollowTheMinOnlyPresetAndChordTonesTheShapes) {
    for (int t = 0; t < chords::kTypeCount; ++t) EXPECT_EQ(chords::isMinorFamily(t), t >= 8 && t <= 18) << t;
    EXPECT_EQ(chords::chordToneSet(2), 0b100010010001);  // C E G B
    EXPECT_EQ(chords::chordToneSet(30), 0b1);             // 1+8: the root only
    EXPECT_EQ(chords::chordToneSet(3), 0b100011010001);   // Maj7(#11): F# folded into the octave
}

TEST(ChordSymbol, RootsAccidentalsAndOnBassNotes) {
    const Chord fSharpMin7 = parsed("F#m7");
    EXPECT_EQ(fSharpMin7.root, 6);
    EXPECT_EQ(fSharpMin7.type, 10);
    EXPECT_FALSE(fSharpMin7.bass);
    EXPECT_EQ(parsed("bb7").root, 10);  // a lower-case root
    EXPECT_EQ(parsed("E♭M7").root, 3);
    EXPECT_EQ(parsed("G♯").root, 8);
    EXPECT_EQ(parsed("Cb").root, 11);
    EXPECT_EQ(parsed("B#").root, 0);
    const Chord fOverA = parsed("F/A");
    EXPECT_EQ(fOverA.type, 0);
    EXPECT_EQ(fOverA.bass, 9);
    // "6/9" is a quality; a bass may follow it.
    EXPECT_EQ(parsed("C6/9").type, 6);
    EXPECT_FALSE(parsed("C6/9").bass);
    EXPECT_EQ(parsed("C6/9/Eb").bass, 3);
    EXPECT_EQ(parsed("Am7/g").bass, 7);
    // A bass equal to the root is dropped.
    EXPECT_FALSE(parsed("C/C").bass);
    EXPECT_EQ(parsed("C/C"), parsed("C"));
    EXPECT_TRUE(parsed("N.C.").none);
    EXPECT_TRUE(parsed("NC").none);
    EXPECT_EQ(chords::chordName(parsed("Ebm7b5/A")), "D#min7b5/A");
    EXPECT_EQ(chords::chordName(parsed("NC")), "N.C.");
}

TEST(ChordSymbol, BadSymbolsSayWhatIsWrong) {
    EXPECT_EQ(fault("Cmaj13b"), "unknown chord quality 'maj13b'");
    EXPECT_EQ(fault("H7"), "chord 'H7' does not start with a note A to G");
    EXPECT_EQ(fault(""), "chord '' does not start with a note A to G");
    EXPECT_EQ(fault("C/H"), "unknown chord quality '/H'");
    EXPECT_EQ(fault("C/Ebb"), "unknown bass note 'Ebb'");
    EXPECT_EQ(fault("CM7 "), "unknown chord quality 'M7 '");
    EXPECT_EQ(fault("cmaj"), "(parsed)");
    EXPECT_EQ(fault("CMAJ7"), "(parsed)");
    EXPECT_EQ(fault("Cmin7b"), "unknown chord quality 'min7b'");
    EXPECT_EQ(fault("n.c."), "chord 'n.c.' does not start with a note A to G");
}

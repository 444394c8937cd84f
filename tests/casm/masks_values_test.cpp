#include <gtest/gtest.h>

#include "casm/columns.h"
#include "casm/masks.h"
#include "casm/values.h"

using namespace casm;

TEST(CasmMasks, BitOrderOfChordAndNoteMasks) {
    ChordMask m = emptyChordMask();
    setBit(m, 0, true);   // "Maj"
    setBit(m, 7, true);   // "aug"
    setBit(m, 23, true);  // "7(#11)"
    setBit(m, 32, true);  // "sus4"
    setBit(m, 40, true);  // beyond the mask: nothing
    EXPECT_EQ(m, (ChordMask{0x01, 0x00, 0x80, 0x00, 0x81}));
    EXPECT_TRUE(testBit(m, 32));
    EXPECT_FALSE(testBit(m, 33));
    EXPECT_FALSE(testBit(fullChordMask(), 40));

    NoteMask n = emptyNoteMask();
    setBit(n, 0, true);   // "C"
    setBit(n, 8, true);   // "G#"
    setBit(n, 16, true);  // nothing
    EXPECT_EQ(n, (NoteMask{0x01, 0x01}));
    EXPECT_FALSE(testBit(fullNoteMask(), 16));
}

TEST(CasmMasks, AutoStartStaysApartFromTheChordMask) {
    Entry e = newEntry();
    e[ChordMute4] = 0x07;
    ChordMask m = chordMaskOf(e);
    EXPECT_EQ(m[0], 0x03);
    EXPECT_TRUE(isFull(m));
    setBit(m, 32, false);  // uncheck "sus4"
    EXPECT_TRUE(storeChordMask(e, m));
    EXPECT_EQ(e[ChordMute4], 0x06);
    EXPECT_FALSE(storeChordMask(e, m));
    e[ChordMute4] = 0xFB;  // high bits beside the mask are cleared, AutoStart is not set
    storeChordMask(e, fullChordMask());
    EXPECT_EQ(e[ChordMute4], 0x03);

    e[NoteMute1] = 0xFF;
    e[NoteMute0] = 0xFF;
    NoteMask n = noteMaskOf(e);
    EXPECT_TRUE(isFull(n));
    EXPECT_EQ(n[0], 0x0F);
    setBit(n, 0, false);
    EXPECT_TRUE(storeNoteMask(e, n));
    EXPECT_EQ(e[NoteMute1], 0x0F);
    EXPECT_EQ(e[NoteMute0], 0xFE);

    ChordMask full = fullChordMask();
    full[0] = 0xFF;
    EXPECT_TRUE(isFull(full));
    EXPECT_EQ(inverted(full), emptyChordMask());
    EXPECT_EQ(inverted(emptyChordMask()), fullChordMask());
}

TEST(CasmMasks, PresetDefaultsCoverMinorAndMajorTypesAndPersist) {
    base::Profile settings;
    ChordMutePresets p = readChordMutePresets(settings);
    for (int n = 0; n < kChordTypes; ++n) {
        const bool minor = n >= 8 && n <= 18;
        EXPECT_EQ(testBit(p.minOnly, n), minor) << n;
        EXPECT_EQ(testBit(p.majOnly, n), !minor) << n;
    }
    EXPECT_EQ(p.user[3], emptyChordMask());
    p.user[1] = {1, 2, 3, 4, 5};
    p.minOnly = fullChordMask();
    writeChordMutePresets(settings, p);
    EXPECT_EQ(settings.readInt("ChordMute", "User2Byte4", -1), 5);
    const auto back = readChordMutePresets(settings);
    EXPECT_EQ(back.user[1], p.user[1]);
    EXPECT_EQ(back.minOnly, fullChordMask());
    p.resetMinMaj();
    EXPECT_EQ(p.minOnly, ChordMutePresets::minOnlyDefault());
}

TEST(CasmValues, GridCellsShowNamesAndDashesBeyondTheLists) {
    Entry e = newEntry();
    e.section = "Main A";
    e[Track] = 9;
    e.setName("AB");
    e[MidiChan] = 15;
    EXPECT_EQ(gridCells(e, 3), (GridCells{"3", "Main A", "10", "AB      ", "16", "C", "Maj7", "Trans", "Chord", "G",
                                          "C0 ", "G10", "PitchShift", "None", "None", "", "", ""}));
    e.length = 31;
    e[ChordRoot] = 12;
    e[ChordType] = 34;
    e[NTR] = 7;
    e[NTT] = 6;
    e[HighestKey] = 11;
    e[LowLimit] = 200;
    e[RTR] = 3;
    e[NoteMute1] = 0x0E;
    e[ChordMute0] = 0x7F;
    e.setAutoStart(true);
    e.hasCntt = true;
    e.cntt = 0;
    e[ReadOnly] = 2;
    EXPECT_EQ(gridCells(e, 4), (GridCells{"4*", "Main A", "10", "AB      ", "16", "-", "-", "Fixed", "-", "B", "?",
                                          "G10", "Retriger", "SEL", "SEL", "Yes", "0", "Yes"}));
    EXPECT_EQ(gridHeaders()[16], "Cntt");
    EXPECT_EQ(valueName(chordTypeNames(), 33), "1+2+5");
}

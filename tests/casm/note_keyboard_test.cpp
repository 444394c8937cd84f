#include <gtest/gtest.h>

#include "casm/note_keyboard.h"

using namespace casm;

TEST(NoteKeyboard, HitTestTriesKeyAreasThenWhiteColumns) {
    EXPECT_EQ(noteAt(56 * 5 + 3, 30), 60);   // the black-key band left of C#: C5 by its white column
    EXPECT_EQ(noteAt(56 * 5 + 6, 30), 61);   // C#5's area
    EXPECT_EQ(noteAt(56 * 5 + 6, 70), 60);   // below C#'s area: C5
    EXPECT_EQ(noteAt(56 * 5 + 10, 70), 62);  // D5
    EXPECT_EQ(noteAt(56 * 5 + 22, 30), 64);  // E5 by its white column
    EXPECT_EQ(noteAt(56 * 5 + 26, 99), 65);
    EXPECT_EQ(noteAt(56 * 5 + 3, 18), std::nullopt);  // above the keys
    EXPECT_EQ(noteAt(56 * 5 + 3, 19), 60);
    EXPECT_EQ(noteAt(56 * 5, 70), std::nullopt);  // an octave's first pixel is no key
    EXPECT_EQ(noteAt(1, 70), 0);
    EXPECT_EQ(noteAt(-3, 70), std::nullopt);
    EXPECT_EQ(noteAt(56 * 10 + 33, 70), 127);           // G10
    EXPECT_EQ(noteAt(56 * 10 + 38, 30), std::nullopt);  // G#10 would be note 128
}

TEST(NoteKeyboard, KeyAreasAndNames) {
    EXPECT_EQ(keyArea(61).x, 56 * 5 + 5);
    EXPECT_EQ(keyArea(61).y, 20);
    EXPECT_TRUE(keyArea(61).black);
    EXPECT_EQ(keyArea(62).y, 64);
    EXPECT_FALSE(isBlackKey(64));
    EXPECT_EQ(noteWithOctave(60), "C5");
    EXPECT_EQ(noteWithOctave(39), "D#3");
    EXPECT_EQ(noteWithOctave(127), "G10");
    EXPECT_EQ(noteWithOctave(128), "");
}

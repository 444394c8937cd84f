#include <gtest/gtest.h>

#include "casm/note_keyboard.h"

using namespace casm;

TEST(NoteKeyboard, HitTestTriesKeyAreasThenWhiteColumns) {
    // In the black-key band, left of the first black key: C5 by its white column.
    EXPECT_EQ(noteAt(56 * 5 + 3, 30), 60);
    EXPECT_EQ(noteAt(56 * 5 + 6, 30), 61);   // C#5's area
    EXPECT_EQ(noteAt(56 * 5 + 6, 70), 60);   // below the black key: C5's area
    EXPECT_EQ(noteAt(56 * 5 + 22, 30), 64);  // E5 by its white column
    EXPECT_EQ(noteAt(56 * 5, 70), std::nullopt);  // left of the first white column
    EXPECT_EQ(noteAt(56 * 5 + 26, 99), 65);
    EXPECT_EQ(noteAt(56 * 5 + 3, 10), std::nullopt);   // above the keys
    EXPECT_EQ(noteAt(56 * 5 + 3, 18), std::nullopt);
    EXPECT_EQ(noteAt(56 * 5 + 3, 19), 60);
    EXPECT_EQ(noteAt(0, 70), std::nullopt);  // left of C0's column
    EXPECT_EQ(noteAt(1, 70), 0);
    EXPECT_EQ(noteAt(56 * 10 + 34, 70), 127);
    EXPECT_EQ(noteAt(56 * 10 + 38, 30), std::nullopt);  // G#10 would be note 128
    EXPECT_EQ(noteAt(-3, 70), std::nullopt);
}

TEST(NoteKeyboard, MarksAndLabels) {
    const auto c5 = markRect(60);
    EXPECT_EQ(c5.left, 56 * 5 + 1);
    EXPECT_EQ(c5.top, 64);
    EXPECT_EQ(c5.right - c5.left, kMarkWidth);
    EXPECT_EQ(c5.bottom - c5.top, kMarkHeight);
    EXPECT_EQ(markRect(61).top, 20);
    EXPECT_TRUE(isBlackKey(61));
    EXPECT_FALSE(isBlackKey(64));
    EXPECT_EQ(noteLabel(60), "C5");
    EXPECT_EQ(noteLabel(39), "D#3");
    EXPECT_EQ(noteLabel(127), "G10");
}

#include <gtest/gtest.h>

#include "document/document.h"
#include "document/event_text.h"

using namespace document;

TEST(EventText, NoteNamesAndComments) {
    EXPECT_EQ(noteName(60), "C5 ");
    EXPECT_EQ(noteName(0), "C0 ");
    EXPECT_EQ(noteName(120), "C10");
    EXPECT_EQ(noteName(128), "?");
    EXPECT_EQ(noteComment(60, 100), "n=C5  v=100");
    EXPECT_EQ(noteComment(61, 100), "n=C#5 v=100");
    EXPECT_EQ(noteComment(200, 1), "n=? v=1");
}

TEST(EventText, MetaComments) {
    EXPECT_EQ(bpmComment(500000), "BPM=120");
    EXPECT_EQ(bpmComment(0), "BPM=?");
    EXPECT_EQ(timeSignatureComment(4, 2, 24), "TS=4/4 Met=24MC");
    EXPECT_EQ(timeSignatureComment(6, 3, 36), "TS=6/8 Met=36MC");
    EXPECT_EQ(timeSignatureComment(4, 255, 24), "TS=4/? Met=24MC");
    EXPECT_EQ(keySignatureComment(0xFE, 1), "2 flats, Min");
    EXPECT_EQ(keySignatureComment(8, 0), "?, Maj");
    EXPECT_EQ(keySignatureComment(9, 0), "7 flats, Maj");
    EXPECT_EQ(pitchComment(0xFF, 0x7F), "v=16383");
}

TEST(EventText, ColourClassFromTheFirstTwoEventBytes) {
    EXPECT_EQ(colourClass("80 "), 1);
    EXPECT_EQ(colourClass("9F "), 18);
    EXPECT_EQ(colourClass("b3"), 3);
    EXPECT_EQ(colourClass("E0 "), 6);
    EXPECT_EQ(colourClass("F7 "), 7);
    EXPECT_EQ(colourClass("FF 00 02 00 01 "), 8);
    EXPECT_EQ(colourClass("FF 06 "), 10);
    EXPECT_EQ(colourClass("FF 07 "), 9);
    EXPECT_EQ(colourClass("FF 21 01 "), 11);
    EXPECT_EQ(colourClass("FF 7F "), 17);
    EXPECT_EQ(colourClass("FF F8 "), 0);
    EXPECT_EQ(colourClass("FF"), 0);
    EXPECT_EQ(colourClass("F1 "), 0);
    EXPECT_EQ(colourClass(""), 0);
}

TEST(Mbt, OnePassWithOneNumeratorForTheWholeList) {
    EventList list;
    for (int i = 0; i < 5; ++i) list.appendRow();
    const char* ticks[] = {"0", "480", "", "1440", "7"};
    for (int r = 1; r <= 5; ++r) list.row(r).setCell(ColTick, ticks[r - 1]);
    int numerator = 0;
    computeMbt(list, 480, numerator);
    EXPECT_EQ(numerator, 4);
    EXPECT_EQ(list.row(1).cell(ColMbt), "1:01:0");
    EXPECT_EQ(list.row(2).cell(ColMbt), "1:02:0");
    EXPECT_EQ(list.row(3).cell(ColMbt), "1:02:0");
    EXPECT_EQ(list.row(4).cell(ColMbt), "2:01:0");
    EXPECT_EQ(list.row(5).cell(ColMbt), "2:01:7");
    EXPECT_EQ(list.trailing().cell(ColMbt), "2:01:7");
    numerator = 3;
    computeMbt(list, 480, numerator);
    EXPECT_EQ(list.row(4).cell(ColMbt), "2:02:0");
    computeMbt(list, 0, numerator);
    EXPECT_EQ(list.row(4).cell(ColMbt), "");
    EXPECT_EQ(mbtText(480 * 4 * 12 + 480 * 9, 480, 12), "5:10:0");
}

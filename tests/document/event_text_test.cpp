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
    auto cls = [](std::vector<std::uint8_t> bytes) { return colourClass(bytes); };
    EXPECT_EQ(cls({0x80}), 1);
    EXPECT_EQ(cls({0x9F}), 18);
    EXPECT_EQ(cls({0xB3}), 3);
    EXPECT_EQ(cls({0xE0}), 6);
    EXPECT_EQ(cls({0xF7}), 7);
    EXPECT_EQ(cls({0xFF, 0x00, 0x02, 0x00, 0x01}), 8);
    EXPECT_EQ(cls({0xFF, 0x06}), 10);
    EXPECT_EQ(cls({0xFF, 0x07}), 9);
    EXPECT_EQ(cls({0xFF, 0x21, 0x01}), 11);
    EXPECT_EQ(cls({0xFF, 0x7F}), 17);
    EXPECT_EQ(cls({0xFF, 0xF8}), 0);
    EXPECT_EQ(cls({0xFF}), 0);
    EXPECT_EQ(cls({0xF1}), 0);
    EXPECT_EQ(cls({}), 0);
}

TEST(Mbt, OneNumeratorForTheWholeListAndEmptyCellsCountZero) {
    EventList list;
    const std::optional<std::uint32_t> ticks[] = {0, 480, std::nullopt, 1440, 7};
    for (const auto& t : ticks) {
        EventRow row = eventRow(0, {0x90, 60, 1});
        row.delta = t;
        list.insertRow(list.trailingRow(), row);
    }
    auto mbt = [&](int r, TimeBase base) { return cellText(list, r, ColMbt, base); };
    EXPECT_EQ(cellText(list, 3, ColTick, {}), "");
    EXPECT_EQ(mbt(1, {480, 4}), "1:01:0");
    EXPECT_EQ(mbt(2, {480, 4}), "1:02:0");
    EXPECT_EQ(mbt(3, {480, 4}), "1:02:0");
    EXPECT_EQ(mbt(4, {480, 4}), "2:01:0");
    EXPECT_EQ(mbt(5, {480, 4}), "2:01:7");
    EXPECT_EQ(mbt(list.trailingRow(), {480, 4}), "2:01:7");
    EXPECT_EQ(mbt(4, {480, 3}), "2:02:0");
    EXPECT_EQ(mbt(4, {480, 0}), "2:01:0");
    EXPECT_EQ(mbt(4, {0, 4}), "");
    EXPECT_EQ(mbtText(480 * 4 * 12 + 480 * 9, 480, 12), "5:10:0");
}

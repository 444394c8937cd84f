#include <gtest/gtest.h>

#include "events/event_filter.h"
#include "events/selection.h"
#include "support/event_rows.h"

using namespace document;
using namespace events;
using testing_support::textMeta;

namespace {

// Notes and controllers on channels 1 and 2, texts, a tempo and a track end.
EventList filterRows() {
    return testing_support::listOf({
        {0, textMeta(0x06, "Main A")},             // 1
        {0, {0x90, 0x3C, 0x64}},                   // 2
        {0, {0x91, 0x40, 0x10}},                   // 3
        {0, {0x80, 0x3C, 0x00}},                   // 4
        {0, {0xB1, 0x07, 0x64}},                   // 5
        {0, {0xC1, 0x05}},                         // 6
        {0, {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}}, // 7
        {0, textMeta(0x05, "la")},                 // 8
        {0, {0xF0, 0x7E, 0x7F, 0xF7}},             // 9
        {0, {0x90, 0x3C}},                         // 10: a note the file cut short
        {0, {0xFF, 0x2F, 0x00}},                   // 11
    });
}

EventFilter kind(int k) {
    EventFilter f;
    f.kind = k;
    return f;
}

std::vector<int> picked(const EventList& list, const EventFilter& f) {
    std::vector<int> rows;
    for (int r = 1; r <= list.eventCount(); ++r)
        if (matchesFilter(list, r, f)) rows.push_back(r);
    return rows;
}

}  // namespace

TEST(EventFilter, KindsChannelsAndRanges) {
    const auto list = filterRows();
    ASSERT_EQ(filterKinds().size(), 24u);
    EXPECT_EQ(filterKinds()[23].caption, "Sequencer specific information");
    EXPECT_EQ(picked(list, kind(1)), (std::vector<int>{2, 3, 10}));
    EXPECT_EQ(picked(list, kind(0)), (std::vector<int>{4}));
    EXPECT_EQ(picked(list, kind(18)), (std::vector<int>{11}));  // Track end: an empty Data cell
    EXPECT_EQ(picked(list, kind(13)), (std::vector<int>{8}));
    EXPECT_EQ(picked(list, kind(14)), (std::vector<int>{1}));
    EXPECT_EQ(picked(list, kind(7)), (std::vector<int>{9}));
    EXPECT_EQ(picked(list, kind(19)), (std::vector<int>{7}));  // tests 07 A1 after the length byte

    // A channel, for channel kinds; other kinds have no channel and still match.
    auto f = kind(1);
    f.anyChannel = false;
    f.channel = 2;
    EXPECT_EQ(picked(list, f), (std::vector<int>{3}));
    f.kind = 14;
    EXPECT_EQ(picked(list, f), (std::vector<int>{1}));

    // Ranges: the first byte, then the second; a byte the row lacks only
    // matches the whole range.
    f = kind(1);
    f.data1Low = 0x3C;
    f.data1High = 0x3C;
    EXPECT_EQ(picked(list, f), (std::vector<int>{2, 10}));
    f.data2Low = 0x50;
    EXPECT_EQ(picked(list, f), (std::vector<int>{2}));
    f = kind(4);  // one byte tested: the program
    f.data1Low = 6;
    EXPECT_TRUE(picked(list, f).empty());
    f.data2Low = 200;  // not tested
    f.data1Low = 5;
    EXPECT_EQ(picked(list, f), (std::vector<int>{6}));
    f = kind(19);
    f.data2High = 0xA0;
    EXPECT_TRUE(picked(list, f).empty());
}

TEST(EventFilter, FlipsAndSettings) {
    auto list = filterRows();
    list.setSelected(3, true);
    auto f = kind(1);
    EXPECT_EQ(filterFlips(list, f), (std::vector<int>{2, 10}));  // row 3 is selected already
    f.unselect = true;
    EXPECT_EQ(filterFlips(list, f), (std::vector<int>{3}));

    // Settings: stored and read back; values out of range read as defaults or modulo 256.
    auto settings = base::Profile::fromText("[Select]\nEventType=24\nSelectChan=0\nData1L=300\nData2H=-1\n");
    auto loaded = loadEventFilter(settings);
    EXPECT_EQ(loaded.kind, 0);
    EXPECT_EQ(loaded.channel, 1);
    EXPECT_TRUE(loaded.anyChannel);
    EXPECT_EQ(loaded.data1Low, 44);
    EXPECT_EQ(loaded.data1High, 255);
    EXPECT_EQ(loaded.data2High, 255);
    EventFilter stored{true, 22, 16, false, 1, 2, 3, 4, true};
    saveEventFilter(settings, stored);
    EXPECT_EQ(loadEventFilter(settings), stored);
    EXPECT_NE(settings.text().find("DataInHex=1"), std::string::npos);
}

TEST(Selection, SectionsAndAll) {
    auto list = testing_support::listOf({
        {0, textMeta(0x06, "SFF1")},    // 1
        {0, textMeta(0x06, "Main A")},  // 2
        {0, {0x90, 0x3C, 0x64}},        // 3
        {0, textMeta(0x06, "Main A")},  // 4: the same name goes on
        {0, {0xB0, 0x07, 0x64}},        // 5
        {0, textMeta(0x06, "Main B")},  // 6
        {0, {0x91, 0x3C, 0x64}},        // 7
    });
    // From the first marker of the section's name to the next other marker.
    auto range = sectionRange(list, 5);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, 2);
    EXPECT_EQ(range->last, 5);
    EXPECT_EQ(sectionRange(list, 3)->first, 2);
    // The last section runs to the last event; a row above every marker has none.
    EXPECT_EQ(sectionRange(list, 7)->last, 7);
    EXPECT_EQ(sectionRange(list, 1)->last, 1);
    auto noMarker = testing_support::listOf({{0, {0x90, 0x3C, 0x64}}, {0, textMeta(0x06, "A")}});
    EXPECT_FALSE(sectionRange(noMarker, 1));
    EXPECT_FALSE(sectionRange(noMarker, 0));

    list.setSelected(3, true);
    auto flips = rangeFlips(list, range, true);
    EXPECT_EQ(flips, (std::vector<int>{2, 4, 5}));
    auto flipped = applyFlips(list, flips);
    ASSERT_TRUE(flipped);
    EXPECT_EQ(flipped->first, 2);
    EXPECT_EQ(flipped->last, 5);
    for (int r = 2; r <= 5; ++r) EXPECT_TRUE(list.selected(r));
    EXPECT_EQ(rangeFlips(list, range, false), (std::vector<int>{2, 3, 4, 5}));
    // All rows, never the trailing row.
    EXPECT_EQ(rangeFlips(list, std::nullopt, true), (std::vector<int>{1, 6, 7}));
    applyFlips(list, rangeFlips(list, std::nullopt, true));
    EXPECT_FALSE(list.selected(list.trailingRow()));
    EXPECT_TRUE(rangeFlips(list, std::nullopt, true).empty());
    EXPECT_FALSE(applyFlips(list, {}));
}

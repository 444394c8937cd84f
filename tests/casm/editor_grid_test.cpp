// The grid's order, colours and marks, the note picker's keyboard, the
// track-to-channel table and the chord shapes.
#include <gtest/gtest.h>

#include "casm/chord_shapes.h"
#include "casm/editor_grid.h"
#include "casm/masks.h"
#include "casm/track_channels.h"

using namespace casm;

namespace {

Entry entry(int track, int channel, const char* section) {
    Entry e = newEntry();
    e[Track] = static_cast<std::uint8_t>(track);
    e[MidiChan] = static_cast<std::uint8_t>(channel);
    e.section = section;
    return e;
}

}  // namespace

TEST(CasmEditorGrid, SortModesNumberChannelByChannelKeepingListOrder) {
    const std::vector<Entry> entries = {entry(9, 10, "A"), entry(8, 9, "A"), entry(10, 9, "B"), entry(1, 25, "B")};
    EXPECT_EQ(gridOrder(entries, SortMode::Section), (std::vector<std::size_t>{0, 1, 2, 3}));
    // Channel 25 counts as 9 (modulo 16); equal channels keep list order.
    EXPECT_EQ(gridOrder(entries, SortMode::Channel), (std::vector<std::size_t>{1, 2, 3, 0}));
    EXPECT_EQ(gridOrder(entries, SortMode::Track), (std::vector<std::size_t>{3, 1, 0, 2}));
    EXPECT_TRUE(gridOrder({}, SortMode::Channel).empty());
}

TEST(CasmEditorGrid, CellColoursFollowMarkChangeAndCurrentRow) {
    EXPECT_EQ(fixedCellColours(false), (CellColours{0xE9E9E9, 0x000000}));
    EXPECT_EQ(fixedCellColours(true), (CellColours{0x000000, 0xFFFFFF}));
    EXPECT_EQ(entryCellColours(false, false, false), (CellColours{0xFFFFFF, 0x000000}));
    EXPECT_EQ(entryCellColours(false, false, true), (CellColours{0x00FFFF, 0x000000}));
    EXPECT_EQ(entryCellColours(false, true, false), (CellColours{0xFFFF00, 0xFF0000}));
    EXPECT_EQ(entryCellColours(false, true, true), (CellColours{0x00FF00, 0xFF0000}));
    EXPECT_EQ(entryCellColours(true, false, false), (CellColours{0x000000, 0xFFFFFF}));
    EXPECT_EQ(entryCellColours(true, false, true), (CellColours{0x000000, 0x00FFFF}));
    EXPECT_EQ(entryCellColours(true, true, false), (CellColours{0xFF0000, 0xFFFF00}));
    EXPECT_EQ(entryCellColours(true, true, true), (CellColours{0xFF0000, 0x00FF00}));
    const int shares[] = {4, 9, 87};
    EXPECT_EQ(columnWidths(shares, 210, 10), (std::vector<int>{8, 18, 174}));
    EXPECT_EQ(columnWidths(shares, 5, 10), (std::vector<int>{0, 0, 0}));
    // Room for each column's least width: each gets it and a share of the rest.
    const int least[] = {30, 40, 50};
    EXPECT_EQ(columnWidths(shares, 210, 10, least), (std::vector<int>{33, 47, 119}));
    EXPECT_EQ(columnWidths(shares, 130, 10, least), (std::vector<int>{30, 40, 50}));
    // No room for them all: the shares alone, as without least widths.
    EXPECT_EQ(columnWidths(shares, 129, 10, least), (std::vector<int>{4, 10, 103}));
}

TEST(CasmEditorGrid, MarksBySectionTrackChannelAndSections) {
    std::vector<Entry> entries = {entry(9, 10, "A"), entry(8, 9, "A"), entry(9, 9, "B"), entry(1, 2, "C")};
    EXPECT_EQ(setMarks(entries, entries[0], MarkBy::Track, true), 2);
    EXPECT_EQ(markedIndices(entries), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(setMarks(entries, entries[1], MarkBy::Section, true), 1);
    EXPECT_EQ(setMarks(entries, entries[1], MarkBy::Channel, false), 2);
    EXPECT_EQ(markedIndices(entries), (std::vector<std::size_t>{0}));
    EXPECT_EQ(markSections(entries, {"B", "C"}), 2);
    EXPECT_EQ(markedCount(entries), 3u);
    EXPECT_EQ(setMarks(entries, entries[0], MarkBy::All, false), 3);
    EXPECT_EQ(sectionNames(entries), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(sectionMenuNames().size(), 18u);
    EXPECT_EQ(fitSectionName(std::string(40, 'x')).size(), 31u);
}

TEST(CasmTrackChannels, TableFromASectionAndAppliedToOneOrAllSections) {
    std::vector<Entry> entries = {entry(8, 8, "A"), entry(9, 9, "A"), entry(8, 3, "A"), entry(8, 8, "B")};
    const auto table = trackChannelTable(entries, "A");
    EXPECT_EQ(table[8], 4);  // the later entry of track 9 overwrites
    EXPECT_EQ(table[9], 10);
    EXPECT_EQ(table[0], 1);

    EXPECT_EQ(channelOfCell(" 12 "), 11);
    EXPECT_EQ(channelOfCell("17"), 0);
    EXPECT_EQ(channelOfCell("0"), 0);
    EXPECT_EQ(channelOfCell("x"), std::nullopt);

    std::array<std::optional<int>, 16> channels{};
    channels[8] = 15;
    EXPECT_EQ(applyTrackChannels(entries, channels, std::string("A")), 2);
    EXPECT_EQ(entries[0][MidiChan], 15);
    EXPECT_TRUE(entries[0].changed);
    EXPECT_EQ(entries[3][MidiChan], 8);
    EXPECT_FALSE(entries[1].changed);
    EXPECT_EQ(applyTrackChannels(entries, channels, std::nullopt), 1);
    EXPECT_EQ(entries[3][MidiChan], 15);
}

TEST(CasmChordShapes, EveryTypeHasItsNotesOnC) {
    for (int t = 0; t < kChordTypes; ++t) {
        const auto notes = chordIntervals(t);
        ASSERT_FALSE(notes.empty()) << t;
        EXPECT_EQ(notes.front(), 0) << t;
        EXPECT_TRUE(std::is_sorted(notes.begin(), notes.end())) << t;
    }
    EXPECT_EQ(std::vector<int>(chordIntervals(8).begin(), chordIntervals(8).end()), (std::vector<int>{0, 3, 7}));
    EXPECT_TRUE(chordIntervals(34).empty());
}

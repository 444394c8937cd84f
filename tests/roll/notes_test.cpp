#include <gtest/gtest.h>

#include "document/smf_builder.h"
#include "document/smf_reader.h"
#include "roll/note_index.h"
#include "roll/notes.h"
#include "support/event_rows.h"
#include "support/temp_dir.h"

using roll::Note;
using testing_support::listOf;

namespace {

std::vector<std::pair<std::uint64_t, std::uint64_t>> spans(const std::vector<Note>& notes) {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> out;
    for (const Note& n : notes) out.push_back({n.start, n.end});
    return out;
}

}  // namespace

TEST(PairNotes, SameKeyTwiceIsPairedFirstInFirstOut) {
    const auto list = listOf({{0, {0x90, 60, 100}},
                              {10, {0x90, 60, 90}},
                              {10, {0x80, 60, 0}},   // ends the first
                              {10, {0x90, 60, 0}}}); // a zero note-on ends the second
    const auto notes = roll::pairNotes(list);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(spans(notes), (std::vector<std::pair<std::uint64_t, std::uint64_t>>{{0, 20}, {10, 30}}));
    EXPECT_EQ(notes[0].onRow, 1);
    EXPECT_EQ(notes[0].offRow, 3);
    EXPECT_EQ(notes[1].velocity, 90);
    EXPECT_EQ(notes[1].offRow, 4);
}

TEST(PairNotes, OverlapsOfOtherKeysAndChannelsDoNotPairAcross) {
    const auto list = listOf({{0, {0x90, 60, 100}},
                              {0, {0x91, 60, 100}},
                              {5, {0x90, 64, 100}},
                              {5, {0x81, 60, 0}},
                              {5, {0x80, 64, 0}},
                              {5, {0x80, 60, 0}}});
    const auto notes = roll::pairNotes(list);
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0].channel, 0);
    EXPECT_EQ(notes[0].end, 20u);
    EXPECT_EQ(notes[1].channel, 1);
    EXPECT_EQ(notes[1].end, 10u);
    EXPECT_EQ(notes[2].key, 64);
    EXPECT_EQ(notes[2].end, 15u);
}

TEST(PairNotes, UnpairedEventsStayAsStubs) {
    const auto list = listOf({{0, {0x80, 40, 0}},        // ends nothing
                              {0, {0xB0, 7, 100}},       // no note
                              {4, {0x90, 50, 100}},      // never ended
                              {8, {0x90, 51}},           // one data byte: no note
                              {0, {0xFF, 0x2F, 0x00}}});
    const auto notes = roll::pairNotes(list);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_TRUE(notes[0].stub());
    EXPECT_EQ(notes[0].onRow, 0);
    EXPECT_EQ(notes[0].offRow, 1);
    EXPECT_EQ(notes[0].row(), 1);
    EXPECT_TRUE(notes[1].stub());
    EXPECT_EQ(notes[1].onRow, 3);
    EXPECT_EQ(notes[1].start, 4u);
    EXPECT_EQ(notes[1].end, 4u);
}

TEST(PairNotes, RunningStatusInTheFileGivesTheSameNotes) {
    testing_support::TempWorkspace t;
    // 90 3C 64, then 3C 00 and 40 64 under the running status, then 40 00.
    const base::Bytes track{0x00, 0x90, 0x3C, 0x64, 0x60, 0x3C, 0x00, 0x00, 0x40,
                            0x64, 0x60, 0x40, 0x00, 0x00, 0xFF, 0x2F, 0x00};
    document::Document doc;
    const auto result = document::readBytes(document::smfFile(0, 96, {track}), doc, t.ws);
    ASSERT_TRUE(result.opened && !result.failed);
    const auto notes = roll::pairNotes(doc.events);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(spans(notes), (std::vector<std::pair<std::uint64_t, std::uint64_t>>{{0, 96}, {96, 192}}));
    EXPECT_EQ(notes[1].key, 0x40);
}

TEST(NoteIndex, FindsExactlyTheNotesInASpanWhateverTheirLengths) {
    // Many short notes and one very long one that starts first.
    document::EventList list;
    list.appendRow(document::eventRow(0, {0x90, 30, 100}));
    for (int i = 0; i < 400; ++i) {
        list.appendRow(document::eventRow(i == 0 ? 0 : 5, {0x90, static_cast<std::uint8_t>(40 + i % 40), 100}));
        list.appendRow(document::eventRow(5, {0x80, static_cast<std::uint8_t>(40 + i % 40), 0}));
    }
    list.appendRow(document::eventRow(0, {0x80, 30, 0}));
    list.appendRow(document::eventRow(100, {0x90, 31, 100}));  // a stub at the end
    const auto notes = roll::pairNotes(list);
    const roll::NoteIndex index(notes);
    EXPECT_GE(index.longCount(), 1u);
    for (auto [from, to] : std::vector<std::pair<std::uint64_t, std::uint64_t>>{
             {0, 1}, {2000, 2100}, {3995, 4000}, {4000, 4100}, {4100, 4100}, {5000, 6000}}) {
        std::vector<std::size_t> expected, found;
        for (std::size_t i = 0; i < notes.size(); ++i) {
            const Note& n = notes[i];
            if (n.stub() ? n.start >= from && n.start <= to : n.start < to && n.end > from) expected.push_back(i);
        }
        index.forEachIn(from, to, [&](std::size_t i) { found.push_back(i); });
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, expected) << from << "-" << to;
    }
}

// Notes as a sequencer pairs them: first in, first out per key and channel.
#include <gtest/gtest.h>

#include "document/note_pairing.h"
#include "document/smf_builder.h"
#include "document/smf_reader.h"
#include "support/event_rows.h"
#include "support/temp_dir.h"

using document::PairedNote;
using testing_support::listOf;

namespace {

std::vector<std::pair<std::uint64_t, std::uint64_t>> spans(const std::vector<PairedNote>& notes) {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> out;
    for (const PairedNote& n : notes) out.push_back({n.start, n.end});
    return out;
}

}  // namespace

TEST(PairNotes, SameKeyTwiceIsPairedFirstInFirstOut) {
    const auto list = listOf({{0, {0x90, 60, 100}},
                              {10, {0x90, 60, 90}},
                              {10, {0x80, 60, 0}},   // ends the first
                              {10, {0x90, 60, 0}}}); // a zero note-on ends the second
    const auto notes = document::pairNotes(list);
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
    const auto notes = document::pairNotes(list);
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
    const auto notes = document::pairNotes(list);
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
    const auto notes = document::pairNotes(doc.events);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(spans(notes), (std::vector<std::pair<std::uint64_t, std::uint64_t>>{{0, 96}, {96, 192}}));
    EXPECT_EQ(notes[1].key, 0x40);
}


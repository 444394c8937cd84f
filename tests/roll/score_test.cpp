#include <gtest/gtest.h>

#include "document/demo_style.h"
#include "document/smf_reader.h"
#include "roll/channel_sound.h"
#include "roll/note_index.h"
#include "roll/notes.h"
#include "roll/overview.h"
#include "roll/score.h"
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

TEST(NoteOverview, EachBucketHoldsTheChannelsThatSoundInIt) {
    std::vector<Note> notes;
    std::uint32_t seed = 7;
    const auto random = [&](std::uint32_t below) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % below;
    };
    for (int i = 0; i < 3000; ++i) {
        const std::uint64_t start = random(900000);
        notes.push_back({start, start + 1 + random(5000), 1, 2, static_cast<std::uint8_t>(random(16)),
                         static_cast<std::uint8_t>(random(128)), static_cast<std::uint8_t>(1 + random(127))});
    }
    std::sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) { return a.start < b.start; });
    const roll::NoteOverview overview(notes, 905000);
    EXPECT_EQ(overview.bucketTicks(1.0), 0u) << "a pixel narrower than a bucket draws the notes";
    for (double perPixel : {60.0, 2000.0}) {
        const std::uint64_t bucket = overview.bucketTicks(perPixel);
        ASSERT_GT(bucket, 0u);
        ASSERT_LE(static_cast<double>(bucket), perPixel);
        for (int probe = 0; probe < 300; ++probe) {
            const int key = static_cast<int>(random(128));
            const std::uint64_t from = random(900000) / bucket * bucket, to = from + bucket * (1 + random(3));
            std::uint16_t expected = 0;
            int loudest = 0;
            for (const Note& n : notes) {
                if (n.key == key && n.start < to && n.end > from) expected = static_cast<std::uint16_t>(expected | 1u << n.channel);
                if (n.start >= from && n.start < to && (n.channel & 1)) loudest = std::max<int>(loudest, n.velocity);
            }
            EXPECT_EQ(overview.channels(bucket, key, from, to), expected) << key << " " << from;
            EXPECT_EQ(overview.loudest(bucket, 0xAAAA, from, to), loudest) << from;
        }
    }
}

TEST(Score, MadeAgainInTheMemoryOfTheLastItIsTheSameAsMadeAnew) {
    testing_support::TempWorkspace t;
    document::Document demo, small;
    ASSERT_FALSE(document::readBytes(document::demoStyle(), demo, t.ws).failed);
    small.division = 96;
    small.events = listOf({{0, {0xFF, 0x06, 'B'}}, {0, {0x90, 70, 100}}, {10, {0x80, 70, 0}}, {0, {0xFF, 0x2F, 0x00}}});
    auto reused = roll::scoreOf(small, roll::scoreOf(demo));
    const auto fresh = roll::scoreOf(small);
    ASSERT_EQ(reused->notes.size(), 1u);
    EXPECT_EQ(spans(reused->notes), spans(fresh->notes));
    ASSERT_EQ(reused->bands.size(), 1u);
    EXPECT_EQ(reused->bands[0].name, "B");
    EXPECT_EQ(reused->end, 10u);
    std::vector<std::size_t> found;
    reused->index.forEachIn(0, 1000, [&](std::size_t i) { found.push_back(i); });
    EXPECT_EQ(found, std::vector<std::size_t>{0});
    const auto bucket = reused->overview.bucketTicks(1000.0);
    for (int key = 0; key < 128; ++key)
        EXPECT_EQ(reused->overview.channels(bucket, key, 0, 1000), key == 70 ? 1 : 0) << key;
}

TEST(ChannelSound, TheLastBankAndProgramOfTheChannelBeforeTheTick) {
    const auto list = listOf({{0, {0xB2, 0, 8}},
                              {0, {0xB2, 32, 1}},
                              {0, {0xC2, 24}},
                              {0, {0xC3, 40}},   // another channel
                              {96, {0xC2, 25}},  // a later program at 96
                              {96, {0x92, 60, 100}}});
    auto sound = roll::soundAt(list, 2, 50);
    EXPECT_EQ(sound.bankMsb, std::optional<std::uint8_t>(8));
    EXPECT_EQ(sound.bankLsb, std::optional<std::uint8_t>(1));
    EXPECT_EQ(sound.program, std::optional<std::uint8_t>(24));
    EXPECT_EQ(roll::soundAt(list, 2, 96).program, std::optional<std::uint8_t>(25)) << "set at the note's own tick";
    EXPECT_EQ(roll::soundAt(list, 2, 95).program, std::optional<std::uint8_t>(24));
    EXPECT_EQ(roll::soundAt(list, 3, 192).program, std::optional<std::uint8_t>(40));
    EXPECT_FALSE(roll::soundAt(list, 3, 192).bankMsb);
    EXPECT_FALSE(roll::soundAt(list, 5, 192).program) << "a channel nothing sets";
    EXPECT_EQ(roll::noteOnWithSound(roll::soundAt(list, 3, 0), 3, 64, 90),
              (std::vector<std::vector<std::uint8_t>>{{0xC3, 40}, {0x93, 64, 90}}));
}

#include <gtest/gtest.h>

#include <cstdio>

#include "casm/reader.h"
#include "casm/writer.h"
#include "casm_bytes.h"

using namespace casm;
using namespace casm_test;

namespace {

std::vector<Entry> readOk(const Bytes& bytes) {
    auto result = readCasm(bytes, "t.csm");
    EXPECT_TRUE(result.ok()) << (result.failure ? result.failure->text : "");
    return result.entries;
}

Bytes written(const std::vector<Entry>& entries) {
    auto result = writeCasm(entries);
    EXPECT_TRUE(result.ok()) << (result.failure ? result.failure->text : "");
    return result.bytes;
}

std::string wrongAt(std::size_t offset) {
    char text[64];
    std::snprintf(text, sizeof text, "Wrong data...Position in CASM: %zXh", offset);
    return text;
}

}  // namespace

TEST(Ctb2ReaderWriter, SectionsRoundTripByteForByteAndGroupAsCtabDoes) {
    const Bytes bytes = casmOf({cseg("Main A,Main B", {ctb2(8, "Drum"), ctb2(9, "Bass", 0x10), cntt(9, 5)}),
                                cseg("Intro A", {ctb2(10, "Pad", 0x70)})});
    auto entries = readOk(bytes);
    ASSERT_EQ(entries.size(), 5u);
    for (const Entry& e : entries) {
        EXPECT_EQ(e.kind(), TableKind::Ctb2);
        EXPECT_EQ(e.length, kCtb2Length);
    }
    const Bytes second = ctb2Body(9, "Bass", 0x10);
    EXPECT_TRUE(std::equal(second.begin(), second.end(), entries[3].bytes().begin(), entries[3].bytes().end()));
    EXPECT_EQ(entries[3].section, "Main B");
    EXPECT_TRUE(entries[3].hasCntt);
    EXPECT_EQ(entries[3].cntt, 5);
    EXPECT_EQ(written(entries), bytes);

    // One changed byte of "Main B" splits the shared segment; both stay Ctb2.
    entries[3][unkn40 + 6] = 0x99;
    const Bytes changed = [&] {
        Bytes body = second;
        body[46] = 0x99;
        return chunk("Ctb2", body);
    }();
    EXPECT_EQ(written(entries), casmOf({cseg("Main A", {ctb2(8, "Drum"), ctb2(9, "Bass", 0x10), cntt(9, 5)}),
                                        cseg("Main B", {ctb2(8, "Drum"), changed, cntt(9, 5)}),
                                        cseg("Intro A", {ctb2(10, "Pad", 0x70)})}));
}

TEST(Ctb2ReaderWriter, MixedStylesKeepEachSectionsKind) {
    // The shared bytes of both kinds are equal, yet the sections never group.
    const Bytes bytes = casmOf({cseg("Main A", {ctab(8), ctab(9, "Bass", 35, 0x11)}), cseg("Main B", {ctb2(8)}),
                                cseg("Fill In AA,Intro A", {ctab(3)}), cseg("Main C", {ctb2(3)})});
    const auto entries = readOk(bytes);
    ASSERT_EQ(entries.size(), 6u);
    const TableKind kinds[] = {TableKind::Ctab, TableKind::Ctab, TableKind::Ctb2,
                               TableKind::Ctab, TableKind::Ctab, TableKind::Ctb2};
    for (std::size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(entries[i].kind(), kinds[i]) << i;
    EXPECT_EQ(entries[1].length, 35);
    EXPECT_EQ(written(entries), bytes);
}

TEST(Ctb2ReaderWriter, WrongLengthsAndMixedKindsAreWrongDataWithTheirPosition) {
    const std::size_t firstChunk = 8 + 8 + 8 + 6;  // the tag after the Sdec text "Main A"
    Bytes seventeen = chunk("Sdec", text("Main A"));
    for (int i = 0; i < 17; ++i) append(seventeen, ctb2(static_cast<std::uint8_t>(i % 16)));
    struct Case {
        const char* what;
        Bytes bytes;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"Ctb2 of 46", casmOf({cseg("Main A", {chunk("Ctb2", Bytes(46, 0))})}), wrongAt(firstChunk + 7)},
        {"Ctb2 of 48", casmOf({cseg("Main A", {chunk("Ctb2", Bytes(48, 0))})}), wrongAt(firstChunk + 7)},
        {"Ctb2 of 27", casmOf({cseg("Main A", {chunk("Ctb2", Bytes(27, 0))})}), wrongAt(firstChunk + 7)},
        {"Ctab of 47", casmOf({cseg("Main A", {chunk("Ctab", ctb2Body(1))})}), wrongAt(firstChunk + 7)},
        {"Ctb2 after Ctab", casmOf({cseg("Main A", {ctab(1), ctb2(2)})}), wrongAt(firstChunk + 35 + 3)},
        {"Ctab after Ctb2", casmOf({cseg("Main A", {ctb2(1), cntt(1, 2), ctab(2)})}),
         wrongAt(firstChunk + 55 + 10 + 3)},
        {"a section Ctab, then Ctb2", casmOf({cseg("Main A", {ctab(1)}), cseg("Main B,Main A", {ctb2(1)})}),
         wrongAt(firstChunk + 35 + 8 + 8 + 13 + 3)},
        {"17 Ctb2 chunks", chunk("CASM", chunk("CSEG", seventeen)), wrongAt(firstChunk + 16 * 55 + 3)},
    };
    for (const auto& c : cases) {
        const auto result = readCasm(c.bytes, "file.csm");
        ASSERT_TRUE(result.failure) << c.what;
        EXPECT_EQ(result.failure->text, c.text) << c.what;
        EXPECT_EQ(result.failure->caption, "file.csm") << c.what;
    }
    // A segment read before the mix stays in the list.
    EXPECT_EQ(readCasm(cases[6].bytes, "x").entries.size(), 1u);
    // The same sections in two segments of one kind read as before.
    EXPECT_TRUE(readCasm(casmOf({cseg("Main A", {ctb2(1)}), cseg("Main A", {ctb2(2)})}), "x").ok());
}

TEST(Ctb2ReaderWriter, EveryZoneFieldLandsInItsOwnByteAndNowhereElse) {
    const Bytes bytes = casmOf({cseg("Main A", {ctb2(8)})});
    const std::size_t data = 8 + 8 + 8 + 6 + 8;
    const auto read = readOk(bytes);
    ASSERT_EQ(read.size(), 1u);
    auto changedOffsets = [&](const std::vector<Entry>& entries) {
        const Bytes out = written(entries);
        std::vector<std::size_t> at;
        for (std::size_t i = 0; i < out.size() && i < bytes.size(); ++i)
            if (out[i] != bytes[i]) at.push_back(i - data);
        EXPECT_EQ(out.size(), bytes.size());
        return at;
    };
    for (int z = 0; z < kZoneCount; ++z) {
        for (int r = 0; r < kRuleCount; ++r) {
            auto entries = read;
            entries[0].setRule(static_cast<Zone>(z), static_cast<Rule>(r), 0x01);
            const auto at = changedOffsets(entries);
            ASSERT_EQ(at.size(), 1u) << z << "," << r;
            EXPECT_EQ(at[0], static_cast<std::size_t>(22 + 6 * z + r));
        }
    }
    for (int offset : {int{MiddleLow}, int{MiddleHigh}}) {
        auto entries = read;
        entries[0][offset] = 0x01;
        EXPECT_EQ(changedOffsets(entries), std::vector<std::size_t>{static_cast<std::size_t>(offset)});
    }
    // The rules of a Ctab entry stay in its one block, whatever the zone.
    for (int z = 0; z < kZoneCount; ++z) EXPECT_EQ(ruleOffset(TableKind::Ctab, static_cast<Zone>(z), Rule::RTR), RTR);
}

TEST(Ctb2ReaderWriter, WriterRefusesASectionOfBothKinds) {
    Entry ctabEntry = newEntry();
    ctabEntry.section = "Main A";
    Entry ctb2Entry = readOk(casmOf({cseg("Main A", {ctb2(2)})})).at(0);
    const auto mixed = writeCasm({ctabEntry, ctb2Entry});
    ASSERT_TRUE(mixed.failure);
    EXPECT_EQ(mixed.failure->caption, "Message");
    EXPECT_EQ(mixed.failure->text,
              "Unable to save...\nSection \"Main A\" holds both Ctab (SFF1) and Ctb2 (SFF2) entries.");
    ctb2Entry.section = "Main B";
    EXPECT_TRUE(writeCasm({ctabEntry, ctb2Entry}).ok());
}

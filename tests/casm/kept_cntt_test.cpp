// Cntt values of channels that have no entry survive a rewrite in their
// segment, and a truncated section says where it was cut.
#include <gtest/gtest.h>

#include "casm/reader.h"
#include "casm/writer.h"
#include "casm_bytes.h"

using namespace casm;
using namespace casm_test;

TEST(CasmKeptCntt, ACnttWithoutItsEntryIsKeptInItsSegmentAndDroppedWithItsSection) {
    // Channel 5 has a Cntt but no entry; channel 2 has both.
    const Bytes bytes = casmOf({cseg("Main A,Main B", {cntt(5, 7), ctab(2), cntt(2, 3)}),
                                cseg("Intro A", {ctab(1), cntt(12, 200)})});
    auto read = readCasm(bytes, "t.csm");
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.entries.size(), 3u);
    EXPECT_TRUE(read.entries[0].hasCntt);
    EXPECT_EQ(read.keptCntt, (std::vector<KeptCntt>{{"Main A", 5, 7}, {"Main B", 5, 7}, {"Intro A", 12, 200}}));

    // Written back in place: each CSEG gets its Cntt chunks in channel order,
    // and the two sections still share one segment.
    const Bytes expected = casmOf({cseg("Main A,Main B", {ctab(2), cntt(2, 3), cntt(5, 7)}),
                                   cseg("Intro A", {ctab(1), cntt(12, 200)})});
    auto rewritten = writeCasm(read.entries, {}, base::builtinLanguage(), read.keptCntt);
    ASSERT_TRUE(rewritten.ok());
    EXPECT_EQ(rewritten.bytes, expected);
    EXPECT_EQ(readCasm(rewritten.bytes, "t.csm").keptCntt, read.keptCntt);

    // An entry that takes the channel carries its own Cntt (here none); the
    // kept value of a section without entries goes with the section.
    auto entries = read.entries;
    entries[0][Track] = 5;
    entries[0].hasCntt = false;
    entries[0].cntt = 0;
    entries.pop_back();
    auto edited = writeCasm(entries, {}, base::builtinLanguage(), read.keptCntt);
    ASSERT_TRUE(edited.ok());
    auto again = readCasm(edited.bytes, "t.csm");
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.keptCntt, (std::vector<KeptCntt>{{"Main B", 5, 7}}));
    ASSERT_EQ(again.entries.size(), 2u);
    EXPECT_FALSE(again.entries[0].hasCntt);
    EXPECT_TRUE(again.entries[1].hasCntt);  // Main B's entry of channel 2 keeps its value
    EXPECT_EQ(again.entries[1].cntt, 3);
}

TEST(CasmKeptCntt, ATruncatedSectionNamesThePlaceItEnds) {
    const Bytes cut(kMainADrums.begin(), kMainADrums.end() - 1);
    const auto read = readCasm(cut, "cut.csm");
    ASSERT_TRUE(read.failure);
    // The Ctab chunk's length bytes end at 25h; its 27 bytes are not all there.
    EXPECT_EQ(read.failure->text, "cut.csm\nThe data ends inside a chunk at 25h.");
    EXPECT_TRUE(read.entries.empty());
}

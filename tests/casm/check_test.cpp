// The CASM check over sections read from bytes: channels the keyboard does
// not use, and sections with more than one entry for one source channel.
#include <gtest/gtest.h>

#include "casm/check.h"
#include "casm/reader.h"
#include "casm_bytes.h"

using namespace casm_test;

namespace {

std::vector<casm::Entry> entriesOf(const Bytes& casm) {
    auto read = casm::readCasm(casm, "test.csm");
    EXPECT_TRUE(read.ok());
    return read.entries;
}

}  // namespace

TEST(CasmCheck, ASectionWithTwoEntriesForOneSourceChannelIsWarnedOnce) {
    // Main A holds channel 10 three times; Main B and the shared segment hold it once each.
    const auto entries = entriesOf(casmOf({cseg("Main A", {ctab(9, "Drums"), ctab(10, "Bass"), ctab(9, "Drums2"),
                                                           ctab(9, "Drums3")}),
                                           cseg("Main B,Main C", {ctab(9, "Drums"), ctab(10, "Bass")})}));
    EXPECT_EQ(casm::checkCasm(entries),
              std::vector<std::string>{"WARNING: more than one entry for source channel 10 in section Main A"});
    // Channel warnings come first, in list order.
    auto low = entries;
    low[1][casm::MidiChan] = 2;
    EXPECT_EQ(casm::checkCasm(low),
              (std::vector<std::string>{"WARNING: PSR do not use channel 3 in section Main A",
                                        "WARNING: more than one entry for source channel 10 in section Main A"}));

    // Only what an insertion added is reported when it happens.
    std::vector<casm::Entry> before(entries.begin(), entries.begin() + 2);
    EXPECT_TRUE(casm::addedDuplicateWarnings(before, before).empty());
    auto after = before;
    after.push_back(entries[2]);
    EXPECT_EQ(casm::addedDuplicateWarnings(before, after),
              std::vector<std::string>{"WARNING: more than one entry for source channel 10 in section Main A"});
    EXPECT_TRUE(casm::addedDuplicateWarnings(entries, entries).empty());
}

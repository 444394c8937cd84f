#include <gtest/gtest.h>

#include <algorithm>

#include "document/smf_builder.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

using namespace document;
using testing_support::runCli;
using testing_support::TempDir;

namespace {

// Main A and Main B, each with notes on channels 1 and 2; a style around it.
base::Bytes twoSections() {
    TrackBuilder t;
    t.text(0, 0x06, "Main A").event(0, {0x90, 60, 100}).event(10, {0x91, 62, 90}).event(10, {0x80, 60, 0});
    t.text(0, 0x06, "Main B").event(0, {0x90, 64, 100}).event(10, {0x80, 64, 0}).event(0, {0xB0, 7, 100});
    t.end();
    base::Bytes style = smfFile(0, 480, {t.bytes()});
    append(style, chunk("CASM", {1, 2, 3}));
    return style;
}

}  // namespace

TEST(CliEdit, TransposeMovesOneChannelInOneSectionAndKeepsTheRest) {
    TempDir dir;
    const auto in = dir.write("in.sty", twoSections());
    auto r = runCli({"transpose", in.string(), dir.file("out.sty").string(), "--by", "-12", "--channel", "1",
                     "--section", "Main B"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto expected = twoSections();
    // Only Main B's note on and note off of channel 1 changed: E5 became E4.
    const base::Bytes onE5{0x90, 64, 100};
    const auto at = std::search(expected.begin(), expected.end(), onE5.begin(), onE5.end()) - expected.begin();
    expected[static_cast<std::size_t>(at) + 1] = 52;
    expected[static_cast<std::size_t>(at) + 5] = 52;  // the note off after the delta 10
    EXPECT_EQ(dir.read("out.sty"), expected);

    // All sections, clamped at the top of the range.
    r = runCli({"transpose", in.string(), dir.file("all.mid").string(), "--by", "127", "--channel", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto events = runCli({"events", dir.file("all.mid").string()});
    EXPECT_NE(events.out.find("90 \t1\t7F 64 "), std::string::npos);
    EXPECT_NE(events.out.find("91 \t2\t3E 5A "), std::string::npos);  // channel 2 untouched

    // Refusals: a section the file does not have, bad numbers, an unknown type.
    EXPECT_EQ(runCli({"transpose", in.string(), dir.file("x.sty").string(), "--by", "1", "--channel", "1",
                      "--section", "Ending A"}).status, 1);
    EXPECT_EQ(runCli({"transpose", in.string(), dir.file("x.sty").string(), "--by", "x", "--channel", "1"}).status, 2);
    EXPECT_EQ(runCli({"transpose", in.string(), dir.file("x.sty").string(), "--by", "1", "--channel", "17"}).status, 2);
    EXPECT_EQ(runCli({"transpose", in.string(), dir.file("x.txt").string(), "--by", "1", "--channel", "1"}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.sty")));
}

TEST(CliEdit, SelectPrintsTheRowsTheFilterPicks) {
    TempDir dir;
    const auto in = dir.write("in.sty", twoSections()).string();
    EXPECT_EQ(runCli({"select", in, "--kind", "1"}).out, "2\n3\n6\n");             // Note On, any channel
    EXPECT_EQ(runCli({"select", in, "--kind", "1", "--channel", "2"}).out, "3\n");
    EXPECT_EQ(runCli({"select", in, "--kind", "1", "--data1", "61-70"}).out, "3\n6\n");
    EXPECT_EQ(runCli({"select", in, "--kind", "14"}).out, "1\n5\n");               // markers have no channel
    EXPECT_EQ(runCli({"select", in, "--kind", "24"}).status, 2);
    EXPECT_EQ(runCli({"select", in, "--kind", "1", "--data2", "9-3"}).status, 2);
}

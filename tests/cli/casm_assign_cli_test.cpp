// ctabber-cli casm-assign on styles and CASM files made here: only the
// assigned bytes change, everything around the CASM section stays.
#include <gtest/gtest.h>

#include "base/file_io.h"
#include "casm/casm_bytes.h"
#include "casm/reader.h"
#include "document/casm_splice.h"
#include "document/smf_builder.h"
#include "support/cli_run.h"
#include "support/drum_section.h"
#include "support/temp_dir.h"

using namespace casm_test;
using testing_support::runCli;
using testing_support::TempDir;

namespace {

const Bytes kAddPart = {'O', 'T', 'S', 'c', 0, 0, 0, 2, 0x12, 0x34};

// Offsets in the section below of the first Ctab entry of each segment.
Bytes section() {
    return casmOf({cseg("Main A,Main B", {ctab(8, "Drums"), ctab(9, "Bass", 31, 0x22), cntt(5, 4)}),
                   cseg("Fill In AA", {ctb2(8, "Drums")})});
}

}  // namespace

TEST(CasmAssignCli, ChangesOnlyTheAssignedBytesOfAStyle) {
    TempDir dir;
    Bytes style = testing_support::drumSectionMidi();
    const std::size_t casmAt = style.size();
    append(style, section());
    append(style, kAddPart);
    ASSERT_TRUE(base::writeFileAtomic(dir / "in.sty", style));

    // Channel 9 (the drums of both kinds): NTR fixed, no chord muted, root D.
    auto run = runCli({"casm-assign", (dir / "in.sty").string(), (dir / "out.sty").string(), "--channel", "9",
                       "ntr=1", "chordmute=None", "root=D"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "3 entries changed\n");
    const auto out = base::readFile(dir / "out.sty");
    ASSERT_TRUE(out);
    ASSERT_EQ(out->size(), style.size());
    // Only bytes of the entries of channel 9 differ, within their rules.
    std::vector<std::size_t> differing;
    for (std::size_t i = 0; i < style.size(); ++i)
        if ((*out)[i] != style[i]) differing.push_back(i - casmAt);
    const std::size_t firstCtab = 8 + 8 + 8 + 13 + 8;  // CASM, CSEG, Sdec "Main A,Main B", Ctab header
    const std::size_t ctb2At = 8 + 8 + 8 + 13 + (8 + 27) + (8 + 31) + 10 + 8 + 8 + 10 + 8;
    // A Ctb2 NTR of 1 is written into all three zones (no --zone).
    EXPECT_EQ(differing, (std::vector<std::size_t>{firstCtab + 18, firstCtab + 20, ctb2At + 18, ctb2At + 22,
                                                   ctb2At + 28, ctb2At + 34}));

    // A .csm file is rewritten as a CASM section; a Ctab name is not
    // applied to Ctb2 entries, which say so on stderr; --zone picks one zone.
    ASSERT_TRUE(base::writeFileAtomic(dir / "in.csm", section()));
    run = runCli({"casm-assign", (dir / "in.csm").string(), (dir / "out.csm").string(), "--section", "Fill In AA",
                  "--zone", "high", "ntt=Bass", "rtr=Note Generator"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "ctabber-cli: ntt=Bass names no value of Ctb2 (SFF2) entries; they keep theirs\n");
    const auto read = casm::readCasm(*base::readFile(dir / "out.csm"), "out.csm");
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.entries.size(), 5u);
    EXPECT_EQ(read.entries[4].rule(casm::Zone::High, casm::Rule::RTR), 5);
    EXPECT_EQ(read.entries[4].rule(casm::Zone::Middle, casm::Rule::RTR), 0x40 + 13);
    EXPECT_EQ(read.keptCntt.size(), 2u);  // the Cntt of channel 6 stays with Main A and Main B
}

TEST(CasmAssignCli, RefusesBadLinesAndLeavesNoFile) {
    TempDir dir;
    ASSERT_TRUE(base::writeFileAtomic(dir / "in.csm", section()));
    const auto in = (dir / "in.csm").string();
    const auto out = (dir / "out.csm").string();
    EXPECT_EQ(runCli({"casm-assign", in, out, "ntr=1"}).status, 2);  // no group
    EXPECT_EQ(runCli({"casm-assign", in, out, "--all", "--channel", "9", "ntr=1"}).status, 2);
    EXPECT_EQ(runCli({"casm-assign", in, out, "--channel", "17", "ntr=1"}).status, 2);
    auto run = runCli({"casm-assign", in, out, "--all", "ntt=Funky"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "ctabber-cli: ntt=Funky: not a value of ntt\n");
    EXPECT_FALSE(base::fileExists(dir / "out.csm"));
    const Bytes whole = section();
    ASSERT_TRUE(base::writeFileAtomic(dir / "cut.csm", Bytes(whole.begin(), whole.end() - 3)));
    run = runCli({"casm-assign", (dir / "cut.csm").string(), out, "--all", "ntr=0"});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(base::fileExists(dir / "out.csm"));

    // A file-size limit is a write error, as for every other command.
    Bytes style = testing_support::drumSectionMidi();
    append(style, section());
    append(style, Bytes(4000, 0x55));  // each working file stays within 4096 bytes (8 blocks of 512)
    ASSERT_GT(style.size(), 4096u);
    ASSERT_TRUE(base::writeFileAtomic(dir / "big.sty", style));
    const auto bigOut = (dir / "out.sty").string();
    run = runCli({"casm-assign", (dir / "big.sty").string(), bigOut, "--all", "ntr=0"}, "ulimit -f 8; ");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Write error\t" + bigOut + "\n");
    EXPECT_FALSE(base::fileExists(dir / "out.sty"));
}

TEST(CasmSplice, PutsASectionInPlaceOfTheOneTheReaderTook) {
    Bytes style = {1, 2, 3, 'C', 'A', 'S', 'M', 0, 0, 0, 2, 9, 9, 7, 7};
    document::ReadResult read;
    read.casmTaken = true;
    read.casmLength = 6;
    read.addLength = 2;
    const Bytes casm = {'C', 'A', 'S', 'M', 0, 0, 0, 1, 5};
    EXPECT_EQ(document::replaceCasmSection(style, read, casm),
              (Bytes{1, 2, 3, 'C', 'A', 'S', 'M', 0, 0, 0, 1, 5, 7, 7}));
    read.addLength = 3;  // lengths that do not describe the file
    EXPECT_FALSE(document::replaceCasmSection(style, read, casm));
    read.casmTaken = false;
    EXPECT_FALSE(document::replaceCasmSection(style, read, casm));
}

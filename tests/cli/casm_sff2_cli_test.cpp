// The CASM commands of ctabber-cli on SFF2 styles and on styles mixing
// Ctab and Ctb2 sections, all made here.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/file_io.h"
#include "casm/casm_bytes.h"
#include "document/smf_builder.h"
#include "support/cli_run.h"
#include "support/drum_section.h"
#include "support/temp_dir.h"

using namespace casm_test;
using testing_support::runCli;
using testing_support::TempDir;

namespace {

// What creation writes for an SFF2 part naming "Main A" with channel 9 as drums.
const Bytes kMainADrumsSff2 = {
    'C',  'A',  'S',  'M',  0x00, 0x00, 0x00, 0x4D, 'C',  'S',  'E',  'G',  0x00, 0x00, 0x00, 0x45, 'S',
    'd',  'e',  'c',  0x00, 0x00, 0x00, 0x06, 'M',  'a',  'i',  'n',  ' ',  'A',  'C',  't',  'b',  '2',
    0x00, 0x00, 0x00, 0x2F, 0x08, 'R',  'h',  'y',  't',  'm',  ' ',  ' ',  ' ',  0x08, 0x00, 0x0F, 0xFF,
    0x07, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x02, 0x00, 0x7F, 0x01, 0x00, 0x06, 0x00, 0x7F, 0x01, 0x01, 0x00,
    0x06, 0x00, 0x7F, 0x01, 0x01, 0x00, 0x06, 0x00, 0x7F, 0x01, 0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00};

}  // namespace

TEST(CasmSff2Cli, CreatesListsRewritesAndChecksCtb2Entries) {
    TempDir dir;
    const auto midi = dir / "in.mid";
    ASSERT_TRUE(base::writeFileAtomic(midi, testing_support::drumSectionMidi("SFF2")));
    const auto created = dir / "created.csm";
    const auto work = (dir / "work").string();
    auto run = runCli({"create-casm", midi.string(), created.string(), "--assign", "9=Drums", "--workdir", work});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(base::readFile(created), kMainADrumsSff2);

    run = runCli({"casm", created.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string zone = "Root Fixed\tBypass\tF#\tC0 \tG10\tPitch Shift";
    EXPECT_EQ(run.out, "1\tMain A\t9\tRhytm   \t9\tC\tMaj7\t" + zone + "\tNone\tNone\tYes\t\t\tC0 \tG10\t" + zone +
                           "\t" + zone + "\t" + zone + "\n");

    const auto rewritten = dir / "rewritten.csm";
    run = runCli({"casm-rewrite", created.string(), rewritten.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(base::readFile(rewritten), kMainADrumsSff2);
}

TEST(CasmSff2Cli, AStyleMixingBothKindsKeepsEachSectionsKind) {
    TempDir dir;
    Bytes low = ctb2Body(2, "Piano", 0x00);
    low[9] = 3;  // MidiChan: channel 4, which the check warns about
    const Bytes casm = casmOf({cseg("Main A,Main B", {ctab(8, "Drums"), ctab(9, "Bass", 31, 0x22), cntt(9, 4)}),
                               cseg("Main C,Main D", {ctb2(8, "Drums"), chunk("Ctb2", low)}),
                               cseg("Fill In AA", {ctb2(10, "Pad", 0x30), cntt(10, 9)})});
    Bytes style = testing_support::drumSectionMidi("SFF1");
    append(style, casm);
    append(style, {'O', 'T', 'S', 'c', 0, 0, 0, 0});
    ASSERT_TRUE(base::writeFileAtomic(dir / "mixed.sty", style));

    auto run = runCli({"casm", (dir / "mixed.sty").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::size_t> cellsPerLine;
    std::size_t start = 0;
    for (std::size_t end = run.out.find('\n'); end != std::string::npos; end = run.out.find('\n', start)) {
        const std::string line = run.out.substr(start, end - start);
        cellsPerLine.push_back(static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t')) + 1);
        start = end + 1;
    }
    EXPECT_EQ(cellsPerLine, (std::vector<std::size_t>{18, 18, 18, 18, 38, 38, 38, 38, 38}));
    EXPECT_NE(run.out.find("2*\tMain A\t10\tBass    "), std::string::npos);  // a Ctab of 31 keeps its star
    EXPECT_NE(run.out.find("8\tMain D\t3\tPiano   \t4\t"), std::string::npos);

    run = runCli({"casm-rewrite", (dir / "mixed.sty").string(), (dir / "out.csm").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(base::readFile(dir / "out.csm"), casm);

    run = runCli({"check", (dir / "mixed.sty").string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "WARNING: PSR do not use channel 4 in section Main C\n"
              "WARNING: PSR do not use channel 4 in section Main D\n");
}

TEST(CasmSff2Cli, ACtb2ChunkOfAnotherLengthIsWrongDataWithItsPosition) {
    TempDir dir;
    Bytes shortBody = ctb2Body(8);
    shortBody.pop_back();
    ASSERT_TRUE(base::writeFileAtomic(dir / "bad.csm", casmOf({cseg("Main A", {chunk("Ctb2", shortBody)})})));
    const auto run = runCli({"casm", (dir / "bad.csm").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, (dir / "bad.csm").string() + "\tWrong data...Position in CASM: 25h\n");
}

#include <gtest/gtest.h>

#include "document/smf_builder.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

using testing_support::runCli;

namespace {

// The Comment cell (column 8) of each printed row.
std::vector<std::string> comments(const std::string& out) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < out.size()) {
        const auto end = out.find('\n', start);
        std::string line = out.substr(start, end - start);
        std::size_t from = 0;
        for (int tab = 0; tab < 7 && from != std::string::npos; ++tab) from = line.find('\t', from) + 1;
        result.push_back(line.substr(from, line.find('\t', from) - from));
        start = end == std::string::npos ? out.size() : end + 1;
    }
    return result;
}

}  // namespace

TEST(CliNames, InsOptionAndXgSystemFileNameTheEvents) {
    testing_support::TempDir dir;
    document::TrackBuilder b;
    b.sysex(0, {0x43, 0x10, 0x4C, 0x08, 0x03, 0x07, 0x02, 0xF7})
        .event(0, {0xB0, 0x00, 0x7F})
        .event(0, {0xC0, 0x19})
        .event(0, {0xC1, 0x19});
    const auto song = dir.write("song.mid", document::smfFile(0, 96, {b.bytes()}));
    const auto ins = dir.writeText("kit.ins", ".Instrument Definitions\nPatch[16256]=Kits\n"
                                                           ".Patch Names\n[Kits]\n25=Analog Kit\n");
    const auto work = dir.path() / "work";

    auto plain = runCli({"events", song.string(), "--workdir", work.string()});
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(comments(plain.out)[0], "");
    EXPECT_EQ(comments(plain.out)[2], "Acoustic Guitar (steel)");

    dir.writeText("work/XGSystem.ini", "[XGMEMORY]\n00=08 XX 07 00 Part Mode\n");
    auto named = runCli({"events", song.string(), "--workdir", work.string(), "--ins", ins.string()});
    ASSERT_EQ(named.status, 0) << named.err;
    const auto cells = comments(named.out);
    EXPECT_EQ(cells[0], "Part Mode");
    EXPECT_EQ(cells[2], "Analog Kit");               // bank 16256 of channel 1 when it was read
    EXPECT_EQ(cells[3], "GM: Acoustic Guitar (steel)");  // channel 2 has bank 0, which the file does not list

    // Without --ins, the program directory's "InsFile" setting is used.
    dir.writeText("work/Ctabber.INI", "[Main]\nInsFile=" + ins.string() + "\n");
    EXPECT_EQ(comments(runCli({"events", song.string(), "--workdir", work.string()}).out)[2], "Analog Kit");
    EXPECT_EQ(comments(runCli({"events", song.string(), "--workdir", work.string(), "--ins="}).out)[2],
              "Acoustic Guitar (steel)");
}

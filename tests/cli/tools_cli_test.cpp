#include <gtest/gtest.h>

#include <numeric>

#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "tools/compare.h"
#include "tools/hex_dump.h"

using testing_support::runCli;

TEST(CliTools, HexdumpAndComparePrintTheWindowsLines) {
    testing_support::TempDir dir;
    base::Bytes bytes(20);
    std::iota(bytes.begin(), bytes.end(), 0x30);
    const auto a = dir.write("a.csm", bytes);
    bytes[5] = 0xEE;
    bytes.resize(18);
    const auto b = dir.write("b.csm", bytes);

    const auto dump = runCli({"hexdump", a.string()});
    ASSERT_EQ(dump.status, 0) << dump.err;
    ASSERT_TRUE(tools::writeDump(dir.read("a.csm"), dir / "expected.txt"));
    EXPECT_EQ(dump.out, dir.readText("expected.txt"));

    const auto compared = runCli({"compare", a.string(), b.string()});
    ASSERT_EQ(compared.status, 0) << compared.err;
    EXPECT_EQ(compared.out, "HEXPosition  " + a.string() + "   " + b.string() +
                                "\n0005         35      EE\nDifferent length...\n"
                                "___________________________________\nCompared: 18   No match:1\n");

    // A folder or a missing file is refused on stderr with the usage status.
    const auto folder = runCli({"hexdump", dir.path().string()});
    EXPECT_EQ(folder.status, 2);
    EXPECT_EQ(folder.err, "File is not open\t" + dir.path().string() + "\n");
    EXPECT_TRUE(folder.out.empty());
    const auto missing = runCli({"compare", a.string(), (dir / "none.csm").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_EQ(runCli({"compare", a.string()}).status, 2);
}

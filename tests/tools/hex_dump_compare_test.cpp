#include <gtest/gtest.h>

#include <numeric>

#include "base/texts.h"
#include "support/temp_dir.h"
#include "tools/compare.h"
#include "tools/hex_dump.h"

using namespace tools;

namespace {

base::Bytes counting(std::size_t n, std::uint8_t first = 0) {
    base::Bytes b(n);
    std::iota(b.begin(), b.end(), first);
    return b;
}

std::vector<std::string> allLines(const base::Bytes& bytes) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < dumpLineCount(bytes.size()); ++i) lines.push_back(dumpLine(bytes, i));
    return lines;
}

std::vector<std::string> allLines(const Comparison& c) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < compareLineCount(c); ++i) lines.push_back(compareLine(c, i));
    return lines;
}

const std::string kBlanks16(16, ' ');
const std::string kNoBytes(48, ' ');

}  // namespace

TEST(HexDump, LineLayoutForTwentyThirtyTwoAndNoBytes) {
    // 20 bytes: a full line, then 4 bytes padded with 12 groups of three blanks.
    auto twenty = counting(20, 0x3C);
    twenty[0] = 0x01;   // below 20h: "."
    twenty[1] = 0x7F;   // as it is
    twenty[2] = 0x80;   // as it is
    twenty[3] = 0x81;   // above 80h: "^"
    twenty[19] = 0xFF;  // "^"
    const auto lines = allLines(twenty);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "0000 01 7F 80 81 40 41 42 43 44 45 46 47 48 49 4A 4B   |  .\x7F\x80^@ABCDEFGHIJK");
    EXPECT_EQ(lines[1], "0010 4C 4D 4E FF " + std::string(36, ' ') + "  |  LMN^" + std::string(12, ' '));

    // 32 bytes end with a line that has an offset and no bytes.
    const auto thirtyTwo = allLines(counting(32, 0x41));
    ASSERT_EQ(thirtyTwo.size(), 3u);
    EXPECT_EQ(thirtyTwo[1].substr(0, 8), "0010 51 ");
    EXPECT_EQ(thirtyTwo[2], "0020 " + kNoBytes + "  |  " + kBlanks16);

    // An empty file gives the one line without bytes.
    EXPECT_EQ(allLines(base::Bytes{}), std::vector<std::string>{"0000 " + kNoBytes + "  |  " + kBlanks16});

    // Offsets past FFFFh take the digits they need.
    const auto big = counting(0x10010);
    EXPECT_EQ(dumpLine(big, 0x1000).substr(0, 6), "10000 ");
}

TEST(HexDump, WrittenFileHoldsTheLinesByteForByte) {
    testing_support::TempDir dir;
    const auto bytes = counting(40, 0x70);
    ASSERT_TRUE(writeDump(bytes, dir / "#casm.txt"));
    std::string expected;
    for (const auto& line : allLines(bytes)) expected += line + "\n";
    EXPECT_EQ(dir.readText("#casm.txt"), expected);
}

TEST(Compare, SameShorterLongerAndDifferent) {
    const auto a = counting(10);
    // With itself: no mismatch, every byte compared.
    EXPECT_EQ(allLines(compareBytes(a, a, "A.csm", "A.csm")),
              (std::vector<std::string>{"HEXPosition  A.csm   A.csm", "___________________________________",
                                        "Compared: 10   No match:0"}));
    // B is A's first 8 bytes: the comparison stops after 8.
    const base::Bytes shorter(a.begin(), a.begin() + 8);
    EXPECT_EQ(allLines(compareBytes(a, shorter, "a", "b")),
              (std::vector<std::string>{"HEXPosition  a   b", "Different length...", "___________________________________",
                                        "Compared: 8   No match:0"}));
    // A longer B is not reported; differences are listed with A's byte first.
    auto longer = counting(12);
    longer[3] = 0xAB;
    longer[9] = 0x00;
    longer[0] = 0x10;
    EXPECT_EQ(allLines(compareBytes(a, longer, "a", "b")),
              (std::vector<std::string>{"HEXPosition  a   b", "0000         00      10", "0003         03      AB",
                                        "0009         09      00", "___________________________________",
                                        "Compared: 10   No match:3"}));
    // An empty A compares nothing.
    EXPECT_EQ(allLines(compareBytes({}, a, "a", "b")).back(), "Compared: 0   No match:0");
}


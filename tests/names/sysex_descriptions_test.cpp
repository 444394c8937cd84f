#include <gtest/gtest.h>

#include "names/sysex_descriptions.h"
#include "support/temp_dir.h"

using names::SysexDescriptions;

namespace {

using Bytes = std::vector<std::uint8_t>;

SysexDescriptions fromText(std::string_view text) {
    testing_support::TempDir dir;
    return SysexDescriptions::fromFile(dir.writeText("XGSystem.ini", text));
}

const Bytes kPartMode = {0x43, 0x10, 0x4C, 0x08, 0x01, 0x07, 0x40, 0xF7};

}  // namespace

TEST(SysexDescriptions, XgMemoryAddressesWithUpperCaseWildcardOnly) {
    const auto xg = fromText("[XGMEMORY]\n00=00 00 7E 00 XG System On\n");
    EXPECT_EQ(xg.describe(Bytes{0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}), "XG System On");
    EXPECT_EQ(xg.describe(Bytes{0x43, 0x1F, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}), "XG System On");
    // Not an XG parameter change: wrong device nibble, model or maker.
    EXPECT_EQ(xg.describe(Bytes{0x43, 0x20, 0x4C, 0x00, 0x00, 0x7E}), "");
    EXPECT_EQ(xg.describe(Bytes{0x43, 0x10, 0x4B, 0x00, 0x00, 0x7E}), "");
    EXPECT_EQ(xg.describe(Bytes{0x41, 0x10, 0x4C, 0x00, 0x00, 0x7E}), "");
    // Too short to hold an address.
    EXPECT_EQ(xg.describe(Bytes{0x43, 0x10, 0x4C, 0x00, 0x00}), "");

    EXPECT_EQ(fromText("[XGMEMORY]\n05=08 XX 07 00 Part Mode\n").describe(kPartMode), "Part Mode");
    EXPECT_EQ(fromText("[XGMEMORY]\n05=08 xx 07 00 Part Mode\n").describe(kPartMode), "");
    EXPECT_EQ(fromText("[XGMEMORY]\n05=08 xx 07 00 Mid 00 only\n")
                  .describe(Bytes{0x43, 0x10, 0x4C, 0x08, 0x00, 0x07, 0x40}),
              "Mid 00 only");
    // Gaps are allowed; the first matching key wins; key 255 is the last one read.
    const auto gaps = fromText("[XGMEMORY]\n07=08 XX 06 00\n200=08 01 07 00 Second\n201=08 01 07 00 Shadowed\n"
                               "255=08 02 07 00 Last\n256=08 03 07 00 Beyond\n");
    EXPECT_EQ(gaps.describe(kPartMode), "Second");
    EXPECT_EQ(gaps.describe(Bytes{0x43, 0x10, 0x4C, 0x08, 0x02, 0x07}), "Last");
    EXPECT_EQ(gaps.describe(Bytes{0x43, 0x10, 0x4C, 0x08, 0x03, 0x07}), "");
    EXPECT_EQ(gaps.describe(Bytes{0x43, 0x10, 0x4C, 0x08, 0x05, 0x06}), "");  // matched, no description
}

TEST(SysexDescriptions, SystemPatternsComeFirstAndStopAtTheFirstGap) {
    const auto sys = fromText(
        "[SYSTEM]\n00=04 7E XX 09 01 GM System On\n01=02 41 xx Roland\n03=00 Anything\n"
        "[XGMEMORY]\n00=00 00 7E 00 XG System On\n");
    EXPECT_EQ(sys.describe(Bytes{0x7E, 0x7F, 0x09, 0x01, 0xF7}), "GM System On");
    EXPECT_EQ(sys.describe(Bytes{0x7E, 0x7F, 0x09, 0x02, 0xF7}), "");
    EXPECT_EQ(sys.describe(Bytes{0x41, 0x10, 0x42}), "Roland");
    // Key 03 stands after the missing 02: never looked at.
    EXPECT_EQ(sys.systemEntries().size(), 2u);
    EXPECT_EQ(sys.describe(Bytes{0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00}), "XG System On");
    // A pattern longer than the message does not match it.
    EXPECT_EQ(sys.describe(Bytes{0x7E, 0x7F, 0x09}), "");

    // A zero-length pattern matches everything, before any XG address.
    const auto all = fromText("[SYSTEM]\n00=00 Any message\n[XGMEMORY]\n00=00 00 7E 00 XG System On\n");
    EXPECT_EQ(all.describe(Bytes{0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00}), "Any message");
    EXPECT_EQ(all.describe(Bytes{}), "Any message");

    // The dialog's entries: description and the pattern as written.
    ASSERT_EQ(sys.systemEntries()[0].bytes, (Bytes{0x7E, 0x00, 0x09, 0x01}));
    EXPECT_EQ(sys.systemEntries()[0].wildcard, (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(sys.systemDescription(1), "Roland");
    EXPECT_EQ(sys.systemDescription(2), "");
}

TEST(SysexDescriptions, MalformedValuesAndLongTextsAreContained) {
    const std::string longText(400, 'd');
    const auto sys = fromText("[SYSTEM]\n00=05 7E 7F\n01=7E short\n[XGMEMORY]\n00=00 00\n01=00 00 7F 00 " +
                              longText + "\n");
    // Entry 00 promises five bytes and has two: it never matches.
    EXPECT_EQ(sys.describe(Bytes{0x7E, 0x7F, 0x01, 0x02, 0x03, 0x04}), "");
    EXPECT_FALSE(sys.systemEntries()[0].complete);
    // Entry 01 claims 7Eh pattern bytes of which the text holds two.
    EXPECT_FALSE(sys.systemEntries()[1].complete);
    const auto reset = sys.describe(Bytes{0x43, 0x10, 0x4C, 0x00, 0x00, 0x7F, 0x00});
    EXPECT_EQ(reset, std::string(255, 'd'));
    EXPECT_TRUE(fromText("").systemEntries().empty());
    EXPECT_EQ(SysexDescriptions().describe(kPartMode), "");
    // Only the first 256 bytes of a message are compared.
    Bytes huge(300, 0x00);
    const auto tail = fromText("[SYSTEM]\n00=FF " + [] {
        std::string p;
        for (int i = 0; i < 255; ++i) p += "XX ";
        return p;
    }() + "Long\n");
    EXPECT_EQ(tail.describe(huge), "Long");
    EXPECT_EQ(tail.describe(Bytes(254, 0)), "");
}

TEST(SysexDescriptions, ShippedFileDescribesTheCommonMessages) {
    const auto shipped = SysexDescriptions::fromFile(std::filesystem::path(CTABBER_SOURCE_DIR) / "data/XGSystem.ini");
    EXPECT_EQ(shipped.describe(Bytes{0x7E, 0x7F, 0x09, 0x01, 0xF7}), "GM System On");
    EXPECT_EQ(shipped.describe(Bytes{0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}), "XG System On");
    EXPECT_EQ(shipped.describe(Bytes{0x43, 0x10, 0x4C, 0x00, 0x00, 0x7F, 0x00, 0xF7}), "XG All Parameter Reset");
    EXPECT_EQ(shipped.describe(kPartMode), "Part Mode");
    EXPECT_EQ(shipped.describe(Bytes{0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x01, 0x00, 0xF7}), "Reverb Type");
    EXPECT_EQ(shipped.describe(Bytes{0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7}), "GS Reset");
}

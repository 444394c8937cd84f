#include "base/comma_hex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace base;
using Bytes = std::vector<std::uint8_t>;

TEST(CommaHex, GroupsEndAtCommasAndOnlyTheLastTwoDigitsCount) {
    EXPECT_EQ(parseCommaHex("F0, 1 ,,123", 4096).bytes, (Bytes{0xF0, 0x01, 0x00, 0x23}));
    EXPECT_EQ(parseCommaHex("F0,43,10,4C,00,00,7E,00,F7,", 4096).bytes.size(), 9u);
    EXPECT_EQ(parseCommaHex("F0 43", 4096).bytes, (Bytes{0x43}));
    EXPECT_EQ(parseCommaHex("f,\r\n\t7e,", 4096).bytes, (Bytes{0x0F, 0x7E}));
    EXPECT_EQ(parseCommaHex("43,", 4096).bytes, (Bytes{0x43}));  // nothing after the last comma
    EXPECT_TRUE(parseCommaHex("", 4096).bytes.empty());

    const auto notHex = parseCommaHex("43,1G,7F", 4096);
    EXPECT_EQ(notHex.error, CommaHex::Error::NotHex);
    EXPECT_EQ(notHex.offending, 'G');
    EXPECT_TRUE(notHex.bytes.empty());
    EXPECT_EQ(parseCommaHex("1,2,3", 3).error, CommaHex::Error::None);
    EXPECT_EQ(parseCommaHex("1,2,3,4", 3).error, CommaHex::Error::TooMany);
    EXPECT_EQ(parseCommaHex(std::string(4096, '1'), 4096).error, CommaHex::Error::TooMany);

    EXPECT_EQ(commaHexText(Bytes{0x43, 0x10, 0xF7}), "43,10,F7");
    EXPECT_EQ(commaHexText(Bytes{}), "");
}

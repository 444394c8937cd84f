#include "base/byte_text.h"

#include <gtest/gtest.h>

using namespace base;

TEST(ByteText, ReadsDecimalAndHexModulo256) {
    EXPECT_EQ(readDecimalByte("300"), 44);
    EXPECT_EQ(readDecimalByte("-1"), 255);
    EXPECT_EQ(readDecimalByte("7x"), 7);
    EXPECT_EQ(readDecimalByte(""), 0);
    EXPECT_EQ(readDecimalByte("  +12"), 12);
    EXPECT_EQ(readDecimalByte("99999999999999999999"), 255);  // 10^20 - 1, a multiple of 256 less one
    EXPECT_EQ(readHexByte("FF"), 255);
    EXPECT_EQ(readHexByte("1G"), 16);
    EXPECT_EQ(readHexByte("100"), 0);
    EXPECT_EQ(readHexByte("ab"), 0xAB);
    EXPECT_EQ(formatByte(readDecimalByte("12"), true), "0C");
    EXPECT_EQ(formatByte(7, false), "007");
}

#include <gtest/gtest.h>

#include "base/profile.h"
#include "support/temp_dir.h"

using base::Profile;

TEST(Profile, ReadsWithoutRegardToCaseFirstMatchWinsValuesTrimmed) {
    testing_support::TempDir dir;
    const std::string text = "; comment\r\n[Main]\r\nTop = 12 \r\ntop=99\r\nName=  a b  \r\nBad=12x\r\n"
                             "[main]\r\nLeft=5\r\n[Colors]\r\nBrush10=255\r\n";
    const auto path = dir.writeText("Ctabber.INI", text);
    Profile p(path);
    EXPECT_EQ(p.readInt("MAIN", "TOP", 0), 12);
    EXPECT_EQ(p.readString("Main", "name", ""), "a b");
    EXPECT_EQ(p.readInt("Main", "Bad", 7), 7);
    EXPECT_EQ(p.readInt("Main", "Left", 3), 3);  // only the first [main] section counts
    EXPECT_EQ(p.readInt("Main", "Missing", -1), -1);
    EXPECT_TRUE(p.hasSection("colors"));
    EXPECT_FALSE(p.hasSection("Select"));
    EXPECT_TRUE(p.hasKey("Colors", "brush10"));
    EXPECT_EQ(p.keys("Main"), (std::vector<std::string>{"Top", "Name", "Bad"}));
    // The whole section in one pass answers as value() does per key.
    using Entries = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(p.entries("MAIN"), (Entries{{"Top", "12"}, {"Name", "a b"}, {"Bad", "12x"}}));
    EXPECT_EQ(p.entries("Select"), Entries{});
    EXPECT_EQ(Profile::parseInt(" -4 "), -4);
    EXPECT_FALSE(Profile::parseInt(""));
}

TEST(Profile, WritesChangeOnlyTheirLine) {
    testing_support::TempDir dir;
    const std::string text = "[Main]\r\nTop=1\r\n; keep me\r\n\r\n[Other]\r\nx=1\r\n";
    const auto path = dir.writeText("a.ini", text);
    Profile p(path);
    p.writeInt("main", "TOP", 42);
    p.writeString("Main", "Left", "7");
    p.writeBool("New", "On", true);
    ASSERT_TRUE(p.save());
    EXPECT_EQ(Profile(path).text(),
              "[Main]\r\nTOP=42\r\n; keep me\r\nLeft=7\r\n\r\n[Other]\r\nx=1\r\n\r\n[New]\r\nOn=1\r\n");
    EXPECT_TRUE(base::writeProfileString(dir.file("fresh.ini"), "S", "k", "v"));
    EXPECT_EQ(base::readProfileString(dir.file("fresh.ini"), "s", "K", ""), "v");
    Profile erase(path);
    erase.eraseSection("Other");
    erase.eraseKey("Main", "left");
    EXPECT_FALSE(erase.hasSection("Other"));
    EXPECT_FALSE(erase.hasKey("Main", "Left"));
}

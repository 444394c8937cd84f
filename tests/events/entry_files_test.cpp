#include <gtest/gtest.h>

#include "base/comma_hex.h"
#include "events/byte_entry.h"
#include "events/syx_file.h"
#include "events/text_kinds.h"
#include "support/temp_dir.h"

using Bytes = std::vector<std::uint8_t>;

TEST(ByteEntry, MessagesAndSsiFiles) {
    const auto& lang = base::builtinLanguage();
    EXPECT_EQ(events::parseByteEntry("F0,43,", lang).bytes, (Bytes{0xF0, 0x43}));
    const auto bad = events::parseByteEntry("43 zz", lang);
    ASSERT_TRUE(bad.failure);
    EXPECT_EQ(bad.failure->caption, "Error");
    EXPECT_NE(bad.failure->text.find("\"z\""), std::string::npos);
    const auto many = events::parseByteEntry(std::string(5000, ','), lang);
    ASSERT_TRUE(many.failure);
    EXPECT_EQ(many.failure->text, "Too many bytes entered...");

    testing_support::TempDir dir;
    Bytes seventeen(17, 0xAB);
    seventeen[16] = 0x01;
    EXPECT_EQ(events::readSsi(dir.write("a.ssi", seventeen), lang).text,
              "AB,AB,AB,AB,AB,AB,AB,AB,AB,AB,AB,AB,AB,AB,AB,AB,\n01,");
    const auto two = events::readSsi(dir.write("b.ssi", Bytes(32, 0)), lang).text;
    EXPECT_EQ(std::count(two.begin(), two.end(), '\n'), 2);  // two full lines and an empty one
    EXPECT_TRUE(two.ends_with(",\n"));
    const auto large = events::readSsi(dir.write("c.ssi", Bytes(4097, 0)), lang);
    ASSERT_TRUE(large.failure);
    EXPECT_EQ(large.failure->text, (dir / "c.ssi").string());
    EXPECT_EQ(large.failure->captionId, 92);
    EXPECT_TRUE(events::readSsi(dir / "missing.ssi", lang).failure);

    EXPECT_TRUE(events::writeSsi(dir / "d.ssi", {0x43, 0x7B}, lang).ok);
    EXPECT_EQ(dir.read("d.ssi"), (Bytes{0x43, 0x7B}));
    EXPECT_FALSE(events::writeSsi(dir / "no-such-folder" / "e.ssi", {1}, lang).ok);
}

TEST(SyxFile, LoadsAfterTheF0AndRefusesOtherFiles) {
    const auto& lang = base::builtinLanguage();
    testing_support::TempDir dir;
    const auto xg = events::readSyx(dir.write("xg.syx", {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}), lang);
    EXPECT_FALSE(xg.failure);
    EXPECT_EQ(base::commaHexText(xg.bytes), "43,10,4C,00,00,7E,00,F7");

    const auto other = events::readSyx(dir.write("other.syx", {0x43, 0xF7}), lang);
    ASSERT_TRUE(other.failure);
    EXPECT_EQ(other.failure->text, "Unknown file format...");
    EXPECT_EQ(other.failure->caption, "Error");
    EXPECT_TRUE(events::readSyx(dir.write("empty.syx", {}), lang).failure);

    Bytes longest(255, 0x11);
    longest[0] = 0xF0;  // 254 bytes after the F0: loadable
    EXPECT_FALSE(events::readSyx(dir.write("254.syx", longest), lang).failure);
    longest.push_back(0xF7);
    const auto tooLong = events::readSyx(dir.write("255.syx", longest), lang);
    ASSERT_TRUE(tooLong.failure);
    EXPECT_EQ(tooLong.failure->text, "The event is longer than 255 bytes...");
    EXPECT_TRUE(tooLong.bytes.empty());

    EXPECT_TRUE(events::writeSyx(dir / "out.syx", {0x7E, 0x7F, 0xF7}, lang).ok);
    EXPECT_EQ(dir.read("out.syx"), (Bytes{0xF0, 0x7E, 0x7F, 0xF7}));
    EXPECT_EQ(events::syxFileName("XG: Reverb/Chorus"), "XG- Reverb-Chorus");
    EXPECT_EQ(events::syxFileName(std::string(300, 'a')).size(), 256u);
}

TEST(TextKinds, StandardMarkersAndGenres) {
    EXPECT_EQ(events::standardMarkerIndex("Main A"), 2);
    EXPECT_EQ(events::standardMarkerIndex("Main a"), -1);
    EXPECT_EQ(events::standardMarkers().back(), "Fill In DD");
    EXPECT_EQ(events::textKindNames()[4], "Lyric");
    const auto genres = events::genreList(base::Profile::fromText("[Genre]\n0=Pop\n1=Rock\n3=Jazz\n"));
    EXPECT_EQ(genres, (std::vector<std::string>{"Pop", "Rock"}));
    EXPECT_TRUE(events::genreList(base::Profile{}).empty());
    EXPECT_EQ(events::genreText("Pop"), "Genre:Pop");
}

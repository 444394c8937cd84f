#include <gtest/gtest.h>

#include "document/comma_hex.h"
#include "events/syx_file.h"
#include "events/text_kinds.h"
#include "support/temp_dir.h"
#include "tools/byte_entry.h"

using document::CommaHex;
using document::parseCommaHex;
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

    EXPECT_EQ(document::commaHexText(Bytes{0x43, 0x10, 0xF7}), "43,10,F7");
    EXPECT_EQ(document::commaHexText(Bytes{}), "");
}

TEST(ByteEntry, MessagesAndSsiFiles) {
    const auto& lang = app::builtinLanguage();
    EXPECT_EQ(tools::parseByteEntry("F0,43,", lang).bytes, (Bytes{0xF0, 0x43}));
    const auto bad = tools::parseByteEntry("43 zz", lang);
    ASSERT_TRUE(bad.failure);
    EXPECT_EQ(bad.failure->caption, "Error");
    EXPECT_NE(bad.failure->text.find("\"z\""), std::string::npos);
    const auto many = tools::parseByteEntry(std::string(5000, ','), lang);
    ASSERT_TRUE(many.failure);
    EXPECT_EQ(many.failure->text, "Too many bytes entered...");

    testing_support::TempDir dir;
    Bytes seventeen(17, 0xAB);
    seventeen[16] = 0x01;
    EXPECT_EQ(tools::readSsi(dir.write("a.ssi", seventeen), lang).text,
              "AB,AB,AB,AB,AB,AB,AB,AB,AB,AB,AB,AB,AB,AB,AB,AB,\n01,");
    const auto two = tools::readSsi(dir.write("b.ssi", Bytes(32, 0)), lang).text;
    EXPECT_EQ(std::count(two.begin(), two.end(), '\n'), 2);  // two full lines and an empty one
    EXPECT_TRUE(two.ends_with(",\n"));
    const auto large = tools::readSsi(dir.write("c.ssi", Bytes(4097, 0)), lang);
    ASSERT_TRUE(large.failure);
    EXPECT_EQ(large.failure->text, (dir / "c.ssi").string());
    EXPECT_EQ(large.failure->captionId, 92);
    EXPECT_TRUE(tools::readSsi(dir / "missing.ssi", lang).failure);

    EXPECT_TRUE(tools::writeSsi(dir / "d.ssi", {0x43, 0x7B}, lang).ok);
    EXPECT_EQ(dir.read("d.ssi"), (Bytes{0x43, 0x7B}));
    EXPECT_FALSE(tools::writeSsi(dir / "no-such-folder" / "e.ssi", {1}, lang).ok);
}

TEST(SyxFile, LoadsAfterTheF0AndRefusesOtherFiles) {
    const auto& lang = app::builtinLanguage();
    testing_support::TempDir dir;
    const auto xg = events::readSyx(dir.write("xg.syx", {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}), lang);
    EXPECT_FALSE(xg.failure);
    EXPECT_EQ(document::commaHexText(xg.bytes), "43,10,4C,00,00,7E,00,F7");

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
    const auto genres = events::genreList(app::Profile::fromText("[Genre]\n0=Pop\n1=Rock\n3=Jazz\n"));
    EXPECT_EQ(genres, (std::vector<std::string>{"Pop", "Rock"}));
    EXPECT_TRUE(events::genreList(app::Profile{}).empty());
    EXPECT_EQ(events::genreText("Pop"), "Genre:Pop");
}

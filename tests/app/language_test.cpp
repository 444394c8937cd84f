#include <gtest/gtest.h>

#include "app/language.h"
#include "app/text_encoding.h"
#include "support/temp_dir.h"

using namespace app;

TEST(Language, LookupFallsBackAndKeepsEmptyValues) {
    testing_support::TempDir dir;
    const auto path = dir.writeText("utf8.lng",
                                "[TB]\n1=&Fichier\n2=\n78=Ouvrir un fichier ...\nx=ignored\n[Other]\n3=no\n");
    Language lang;
    ASSERT_TRUE(lang.load(path));
    EXPECT_EQ(lang.text(1, "&File"), "&Fichier");
    EXPECT_EQ(lang.text(2, "&Open..."), "");  // present but empty
    EXPECT_EQ(lang.text(3, "&Save as ..."), "&Save as ...");
    EXPECT_EQ(lang.text(78, "Open file ..."), "Ouvrir un fichier ...");
    EXPECT_FALSE(lang.load(dir / "no_such.lng"));
    EXPECT_EQ(lang.text(1, "&File"), "&File");
}

TEST(Language, WindowsCodePagesAreDecoded) {
    // "Файл" in code page 1251 and "Fenêtre" in 1252.
    testing_support::TempDir dir;
    const auto cyr = dir.writeText("1251.lng", "[TB]\n1=&\xD4\xE0\xE9\xEB\n7=\xC2\xFB\xF5\xEE\xE4\n");
    const auto west = dir.writeText("1252.lng", "[TB]\n1=Fen\xEAtre\n2=Ouvrir\n");
    Language lang;
    ASSERT_TRUE(lang.load(cyr));
    EXPECT_EQ(lang.text(1, ""), "&\xD0\xA4\xD0\xB0\xD0\xB9\xD0\xBB");
    ASSERT_TRUE(lang.load(west));
    EXPECT_EQ(lang.text(1, ""), "Fen\xC3\xAAtre");
    EXPECT_EQ(lang.text(2, ""), "Ouvrir");
}

TEST(TextEncoding, Utf8Validity) {
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("\xD0\xA4\xE2\x82\xAC\xF0\x9F\x8E\xB9"));
    EXPECT_FALSE(isValidUtf8("\xD0"));          // cut short at the end
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));      // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_FALSE(isValidUtf8("Fen\xEAtre"));
    // 98h is undefined in 1251: it becomes the replacement character.
    EXPECT_EQ(toUtf8("a\x98z", "CP1251"), "a\xEF\xBF\xBDz");
}

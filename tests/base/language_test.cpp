#include <gtest/gtest.h>

#include <set>

#include "base/language.h"
#include "base/profile.h"
#include "base/text_encoding.h"
#include "base/texts.h"
#include "support/temp_dir.h"

using namespace base;

TEST(Language, MissingEmptyAndNonNumericKeysFallBack) {
    testing_support::TempDir dir;
    const auto path = dir.writeText("utf8.lng",
                                    "[TB]\n1=&Fichier\n2=\n78=Ouvrir un fichier ...\n3x=no\n-4=no\n=no\n+5=no\n"
                                    "43=\"Modifier    \"\n44='\"'\n45=\"\n"
                                    "x=ignored\n46=first\n46=second\n046=third\n[Other]\n3=no\n");
    Language lang;
    ASSERT_TRUE(lang.load(path).ok);
    EXPECT_EQ(lang.text(1, "&File"), "&Fichier");
    EXPECT_EQ(lang.text(2, "&Open..."), "&Open...");  // present but empty
    EXPECT_EQ(lang.text(3, "&Save as ..."), "&Save as ...");
    EXPECT_EQ(lang.text(4, "&Export to ..."), "&Export to ...");
    EXPECT_EQ(lang.text(5), "&Import from ...");  // the built-in table
    EXPECT_EQ(lang.text(78, "Open file ..."), "Ouvrir un fichier ...");
    EXPECT_EQ(lang.text(43), "Modifier    ");  // quoted: the blanks stay
    EXPECT_EQ(lang.text(44), "\"");
    EXPECT_EQ(lang.text(45), "\"");  // one mark alone is the text
    EXPECT_EQ(lang.text(46), "first");  // the first line of a number wins
}

TEST(Language, UndecodableFilesAreRefusedAndTheLanguageStays) {
    testing_support::TempDir dir;
    const auto good = dir.writeText("good.lng", "[TB]\n1=Datei\n");
    Language lang;
    ASSERT_TRUE(lang.load(good).ok);

    const auto binary = dir.write("binary.lng", {'[', 'T', 'B', ']', '\n', '1', '=', 0, 1, 2});
    const auto noSection = dir.writeText("plain.lng", "1=Datei\n2=Open\n");
    const auto oddUtf16 = dir.write("odd.lng", {0xFF, 0xFE, '[', 0, 'T'});
    const auto badBom = dir.writeText("bom.lng", "\xEF\xBB\xBF[TB]\n1=\xC0\xAF\n");
    for (const auto& bad : {binary, noSection, oddUtf16, badBom}) {
        const auto outcome = lang.load(bad);
        EXPECT_FALSE(outcome.ok) << bad;
        EXPECT_EQ(outcome.message.caption, "Unknown file format...");
        EXPECT_EQ(outcome.message.text, bad.string());
        EXPECT_EQ(lang.text(1, "&File"), "Datei") << "a refused file leaves the language as it was";
    }
    const auto missing = lang.load(dir / "no_such.lng");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message.caption, "Unable to open the file");
    EXPECT_EQ(lang.text(1, "&File"), "Datei");
}

TEST(Language, WindowsCodePagesAndUtf16AreDecoded) {
    // "Файл" in code page 1251 and "Fenêtre" in 1252.
    testing_support::TempDir dir;
    const auto cyr = dir.writeText("1251.lng", "[TB]\n1=&\xD4\xE0\xE9\xEB\n7=\xC2\xFB\xF5\xEE\xE4\n");
    const auto west = dir.writeText("1252.lng", "[TB]\r\n1=Fen\xEAtre\r\n2=Ouvrir\r\n");
    // "[TB]\n1=Ф\n" as UTF-16LE with its byte order mark.
    const auto utf16 = dir.write("utf16.lng", {0xFF, 0xFE, '[', 0, 'T', 0, 'B', 0, ']', 0, '\n', 0, '1', 0, '=', 0,
                                               0x24, 0x04, '\n', 0});
    Language lang;
    ASSERT_TRUE(lang.load(cyr).ok);
    EXPECT_EQ(lang.text(1, ""), "&\xD0\xA4\xD0\xB0\xD0\xB9\xD0\xBB");
    ASSERT_TRUE(lang.load(west).ok);
    EXPECT_EQ(lang.text(1, ""), "Fen\xC3\xAAtre");
    EXPECT_EQ(lang.text(2, ""), "Ouvrir");
    ASSERT_TRUE(lang.load(utf16).ok);
    EXPECT_EQ(lang.text(1, ""), "\xD0\xA4");
    EXPECT_EQ(lang.text(2, "&Open..."), "&Open...");
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
    // A surrogate pair in UTF-16BE, and a lone low surrogate.
    EXPECT_EQ(decodeText(std::string("\xFE\xFF\xD8\x3C\xDF\xB9", 6)), "\xF0\x9F\x8E\xB9");
    EXPECT_FALSE(decodeText(std::string("\xFF\xFE\x00\xDC", 4)));
}

TEST(BuiltinTexts, EveryNumberButThirtyThreeHasItsTextInOrder) {
    const auto texts = builtinTexts();
    std::set<int> ids;
    int previous = -1;
    for (const auto& t : texts) {
        EXPECT_GT(t.id, previous) << "the table is sorted, one entry per number";
        previous = t.id;
        ids.insert(t.id);
        EXPECT_EQ(builtinText(t.id), t.english);
    }
    for (int id = 0; id <= kLastTextId; ++id) EXPECT_EQ(ids.count(id), id == 33 ? 0u : 1u) << id;
    EXPECT_EQ(builtinText(92), "\xD0\x9D\xD0\xB5 \xD1\x83\xD0\xB4\xD0\xB0\xD0\xB5\xD1\x82\xD1\x81\xD1\x8F "
                               "\xD0\xBF\xD1\x80\xD0\xBE\xD1\x87\xD0\xB8\xD1\x82\xD0\xB0\xD1\x82\xD1\x8C "
                               "\xD0\xB8\xD0\xB7 \xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB\xD0\xB0...");
    EXPECT_EQ(builtinText(33), "");
    EXPECT_EQ(builtinText(kLastTextId + 1), "");
}

TEST(BuiltinTexts, TheShippedTranslationIsComplete) {
    const std::filesystem::path file = std::filesystem::path(CTABBER_SOURCE_DIR) / "data" / "Deutsch.lng";
    Language german;
    ASSERT_TRUE(german.load(file).ok);
    const Profile raw(file);
    for (const auto& t : builtinTexts()) {
        const auto value = raw.value("TB", std::to_string(t.id));
        ASSERT_TRUE(value.has_value()) << "number " << t.id << " is missing";
        EXPECT_FALSE(value->empty()) << "number " << t.id << " is empty";
        // Accelerators stay accelerators: a translated caption with "&" where the English one has it.
        const bool english = t.english.find('&') != std::string_view::npos;
        EXPECT_EQ(english, value->find('&') != std::string::npos) << t.id << " " << *value;
    }
    EXPECT_FALSE(raw.value("TB", "33").has_value());
}

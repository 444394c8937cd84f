#include <gtest/gtest.h>

#include "app/setup.h"
#include "support/temp_dir.h"

using namespace app;
using namespace base;

TEST(Setup, OkTakesEveryValueAndReportsWhatChanged) {
    MainSettings settings;
    settings.language = "Deutsch.lng";
    auto chosen = setupValuesOf(settings);

    // Nothing changed: no repaint, no new translation (the same language again).
    auto changes = applySetup(settings, chosen);
    EXPECT_FALSE(changes.colours);
    EXPECT_FALSE(changes.language);

    chosen.midiOut = 0;
    chosen.clearCasm = false;
    chosen.delConfirm = false;
    chosen.delNote = true;
    chosen.ctabberAdvanced = true;
    chosen.overWrite = false;
    chosen.colours[10].brush = 0x123456;  // Marker background
    chosen.colours[0].pen = 0x00FF00;     // class 0 has no label: not taken
    chosen.language.clear();              // "English"
    changes = applySetup(settings, chosen);
    EXPECT_TRUE(changes.colours);
    EXPECT_TRUE(changes.language);
    EXPECT_EQ(settings.midiOut, 0);
    EXPECT_FALSE(settings.clearCasm);
    EXPECT_FALSE(settings.delConfirm);
    EXPECT_TRUE(settings.delNote);
    EXPECT_TRUE(settings.ctabberAdvanced);
    EXPECT_FALSE(settings.overWrite);
    EXPECT_EQ(settings.colours[10].brush, 0x123456);
    EXPECT_EQ(settings.colours[10].pen, document::builtinColours()[10].pen);
    EXPECT_EQ(settings.colours[0].pen, document::builtinColours()[0].pen);
    EXPECT_EQ(settings.language, "");

    // English while English is in use changes nothing; no port chosen stores -1.
    chosen.midiOut = -1;
    changes = applySetup(settings, chosen);
    EXPECT_FALSE(changes.language);
    EXPECT_FALSE(changes.colours);
    EXPECT_EQ(settings.midiOut, -1);
}

TEST(Setup, LanguageFilesOfTheProgramDirectory) {
    testing_support::TempDir dir;
    EXPECT_TRUE(languageFiles(dir.path()).empty());
    dir.writeText("Russian.LNG", "[TB]\n");
    dir.writeText("Deutsch.lng", "[TB]\n");
    dir.writeText("notes.txt", "");
    dir.writeText("lng", "");
    std::filesystem::create_directory(dir / "folder.lng");
    EXPECT_EQ(languageFiles(dir.path()), (std::vector<std::string>{"Deutsch.lng", "Russian.LNG"}));
    EXPECT_TRUE(languageFiles(dir / "missing").empty());
}

#include <gtest/gtest.h>

#include "app/main_settings.h"
#include "support/temp_dir.h"

using namespace app;
using namespace base;

namespace {

MainSettings presentWindow() {
    MainSettings present;
    present.bounds = {10, 20, 800, 600};
    present.panels = {100, 110, 120, 200, 90, 80};
    return present;
}

}  // namespace

TEST(MainSettings, MissingFileGivesDefaultsAndThePresentWindow) {
    testing_support::TempDir dir;
    const Profile empty(dir / "missing.ini");
    const auto s = loadMainSettings(empty, presentWindow());
    EXPECT_EQ(s.bounds, (base::WindowBounds{10, 20, 800, 600}));
    EXPECT_EQ(s.panels, presentWindow().panels);
    EXPECT_EQ(s.midiOut, -1);
    EXPECT_EQ(s.language, "");
    EXPECT_EQ(s.recentFiles[0], "");
    EXPECT_TRUE(s.useColor && s.clearCasm && s.delConfirm && s.overWrite);
    EXPECT_FALSE(s.delNote || s.ctabberAdvanced);
    EXPECT_EQ(s.openFilterIndex, 1);
    EXPECT_EQ(s.exportMid, "Midi part");
    EXPECT_EQ(s.exportAdd, "Add part");
    EXPECT_EQ(s.colours[10].brush, 0x0000FF);
    EXPECT_EQ(s.colours[18].brush, 0xF0F0FF);
    EXPECT_EQ(s.colours[1].pen, 0xFF0000);
}

TEST(MainSettings, NarrowPanelsBadNumbersAndSingleColourKeys) {
    testing_support::TempDir dir;
    const auto path = dir.writeText("partial.ini",
        "[main]\nPanel5=20\nPanel2=39\nPanel3=40\nFindIndex=abc\nCol4=120\nMidiOut=2\n"
        "[Colors]\nBrush10=255\n");
    const auto s = loadMainSettings(Profile(path), presentWindow());
    EXPECT_EQ(s.panels[3], 200);  // 20 is below the minimum: the designed width stays
    EXPECT_EQ(s.panels[0], 100);
    EXPECT_EQ(s.panels[1], 40);
    EXPECT_EQ(s.findIndex, 0);
    EXPECT_EQ(s.columns[3], 120);
    EXPECT_EQ(s.columns[2], 0);
    EXPECT_EQ(s.midiOut, 2);
    for (int k = 0; k < document::kColourClassCount; ++k) {
        const auto& c = s.colours[static_cast<std::size_t>(k)];
        const auto& b = document::builtinColours()[static_cast<std::size_t>(k)];
        EXPECT_EQ(c.pen, b.pen) << k;
        EXPECT_EQ(c.brush, k == 10 ? 255 : b.brush) << k;
    }
}

TEST(MainSettings, SaveWritesEveryKeyInOrderAndReadsBack) {
    testing_support::TempDir dir;
    const auto path = dir.writeText("save.ini", "[Select]\nKeep=1\n");
    MainSettings s = presentWindow();
    s.language = "Russian.lng";
    s.recentFiles = {"/a/x.sty", "/b/y.mid", "", ""};
    s.useColor = false;
    s.midiOut = 3;
    s.columns[0] = 33;
    s.colours[5] = {0x123456, 0x654321};
    s.saveFilterIndex = 4;
    s.exportCsm = "/tmp/#Pop.csm";
    Profile out(path);
    saveMainSettings(out, s);
    ASSERT_TRUE(out.save());

    const Profile in(path);
    EXPECT_EQ(in.readInt("Select", "Keep", 0), 1);
    const std::vector<std::string> expectedMain = {
        "Language", "Top", "Left", "Height", "Width", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6",
        "Panel7", "FindIndex", "FindChan", "SaveDialog", "OpenDialog", "ExportImportDir", "File1", "File2",
        "File3", "File4", "InsFile", "UseColor", "MidiOut", "ClearCasm", "DelConfirm", "DelNote",
        "CtabberAdvanced", "Col1", "Col2", "Col3", "Col4", "Col5", "Col6", "Col7", "Col8", "OverWrite",
        "OpenDialogFilterIndex", "SaveDialogFilterIndex", "ImortExporMid", "ImortExporCsm", "ImortExporAdd"};
    EXPECT_EQ(in.keys("Main"), expectedMain);
    const auto colourKeys = in.keys("Colors");
    ASSERT_EQ(colourKeys.size(), 38u);
    EXPECT_EQ(colourKeys[0], "Brush0");
    EXPECT_EQ(colourKeys[1], "Pen0");
    EXPECT_EQ(colourKeys[37], "Pen18");
    EXPECT_EQ(in.readString("Main", "UseColor", ""), "0");

    const auto back = loadMainSettings(in, MainSettings{});
    EXPECT_EQ(back.bounds, s.bounds);
    EXPECT_EQ(back.panels, s.panels);
    EXPECT_EQ(back.recentFiles, s.recentFiles);
    EXPECT_EQ(back.language, "Russian.lng");
    EXPECT_FALSE(back.useColor);
    EXPECT_EQ(back.midiOut, 3);
    EXPECT_EQ(back.columns, s.columns);
    EXPECT_EQ(back.colours[5].brush, 0x123456);
    EXPECT_EQ(back.colours[5].pen, 0x654321);
    EXPECT_EQ(back.saveFilterIndex, 4);
    EXPECT_EQ(back.exportCsm, "/tmp/#Pop.csm");
}

TEST(MainSettings, GarbledWidthsComeBackWithinTheScreen) {
    testing_support::TempDir dir;
    const auto path = dir.writeText("garbled.ini",
        "[Main]\nPanel2=2147483647\nPanel3=100000\nPanel4=300\nCol1=2147483647\nCol2=-2147483648\nCol3=150\n");
    auto s = loadMainSettings(Profile(path), presentWindow());
    fitWidths(s, 1920);
    EXPECT_EQ(s.panels[0], 960);
    EXPECT_EQ(s.panels[1], 960);
    EXPECT_EQ(s.panels[2], 300);  // a width that fits stays
    EXPECT_EQ(s.columns[0], 1920);
    EXPECT_EQ(s.columns[1], 0);
    EXPECT_EQ(s.columns[2], 150);
    // A screen reported as nothing still leaves each panel its minimum.
    fitWidths(s, 0);
    EXPECT_EQ(s.panels[2], kMinPanelWidth);
}

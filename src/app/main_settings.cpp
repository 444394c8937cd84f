#include "app/main_settings.h"

#include <algorithm>

namespace app {
namespace {

constexpr std::string_view kMain = "Main";
constexpr std::string_view kColors = "Colors";

std::string indexed(std::string_view stem, int n) { return std::string(stem) + std::to_string(n); }

}  // namespace

MainSettings loadMainSettings(const base::Profile& p, const MainSettings& present) {
    MainSettings s;
    s.language = p.readString(kMain, "Language", "");
    s.bounds.top = p.readInt(kMain, "Top", present.bounds.top);
    s.bounds.left = p.readInt(kMain, "Left", present.bounds.left);
    s.bounds.height = p.readInt(kMain, "Height", present.bounds.height);
    s.bounds.width = p.readInt(kMain, "Width", present.bounds.width);
    for (int i = 0; i < kPanelCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int width = p.readInt(kMain, indexed("Panel", i + 2), present.panels[at]);
        s.panels[at] = width < kMinPanelWidth ? present.panels[at] : width;
    }
    s.findIndex = p.readInt(kMain, "FindIndex", 0);
    s.findChan = p.readInt(kMain, "FindChan", 0);
    s.saveDialog = p.readString(kMain, "SaveDialog", "");
    s.openDialog = p.readString(kMain, "OpenDialog", "");
    s.exportImportDir = p.readString(kMain, "ExportImportDir", "");
    for (int i = 0; i < 4; ++i)
        s.recentFiles[static_cast<std::size_t>(i)] = p.readString(kMain, indexed("File", i + 1), "");
    s.insFile = p.readString(kMain, "InsFile", "");
    s.useColor = p.readBool(kMain, "UseColor", true);
    s.midiOut = p.readInt(kMain, "MidiOut", -1);
    s.clearCasm = p.readBool(kMain, "ClearCasm", true);
    s.delConfirm = p.readBool(kMain, "DelConfirm", true);
    s.delNote = p.readBool(kMain, "DelNote", false);
    s.ctabberAdvanced = p.readBool(kMain, "CtabberAdvanced", false);
    for (int i = 0; i < kStoredColumns; ++i)
        s.columns[static_cast<std::size_t>(i)] = p.readInt(kMain, indexed("Col", i + 1), 0);
    for (int k = 0; k < document::kColourClassCount; ++k) {
        auto& c = s.colours[static_cast<std::size_t>(k)];
        if (p.hasKey(kColors, indexed("Brush", k))) c.brush = p.readInt(kColors, indexed("Brush", k), 0);
        if (p.hasKey(kColors, indexed("Pen", k))) c.pen = p.readInt(kColors, indexed("Pen", k), 0);
    }
    s.overWrite = p.readBool(kMain, "OverWrite", true);
    s.openFilterIndex = p.readInt(kMain, "OpenDialogFilterIndex", 1);
    s.saveFilterIndex = p.readInt(kMain, "SaveDialogFilterIndex", 1);
    s.exportMid = p.readString(kMain, "ImortExporMid", "Midi part");
    s.exportCsm = p.readString(kMain, "ImortExporCsm", "Casm part");
    s.exportAdd = p.readString(kMain, "ImortExporAdd", "Add part");
    return s;
}

void fitWidths(MainSettings& s, int screenWidth) {
    const int widest = std::max(screenWidth, 2 * kMinPanelWidth);
    for (auto& panel : s.panels) panel = std::clamp(panel, kMinPanelWidth, widest / 2);
    for (auto& column : s.columns) column = std::clamp(column, 0, widest);
}

void saveMainSettings(base::Profile& p, const MainSettings& s) {
    p.writeString(kMain, "Language", s.language);
    p.writeInt(kMain, "Top", s.bounds.top);
    p.writeInt(kMain, "Left", s.bounds.left);
    p.writeInt(kMain, "Height", s.bounds.height);
    p.writeInt(kMain, "Width", s.bounds.width);
    for (int i = 0; i < kPanelCount; ++i) p.writeInt(kMain, indexed("Panel", i + 2), s.panels[static_cast<std::size_t>(i)]);
    p.writeInt(kMain, "FindIndex", s.findIndex);
    p.writeInt(kMain, "FindChan", s.findChan);
    p.writeString(kMain, "SaveDialog", s.saveDialog);
    p.writeString(kMain, "OpenDialog", s.openDialog);
    p.writeString(kMain, "ExportImportDir", s.exportImportDir);
    for (int i = 0; i < 4; ++i)
        p.writeString(kMain, indexed("File", i + 1), s.recentFiles[static_cast<std::size_t>(i)]);
    p.writeString(kMain, "InsFile", s.insFile);
    p.writeBool(kMain, "UseColor", s.useColor);
    p.writeInt(kMain, "MidiOut", s.midiOut);
    p.writeBool(kMain, "ClearCasm", s.clearCasm);
    p.writeBool(kMain, "DelConfirm", s.delConfirm);
    p.writeBool(kMain, "DelNote", s.delNote);
    p.writeBool(kMain, "CtabberAdvanced", s.ctabberAdvanced);
    for (int i = 0; i < kStoredColumns; ++i) p.writeInt(kMain, indexed("Col", i + 1), s.columns[static_cast<std::size_t>(i)]);
    for (int k = 0; k < document::kColourClassCount; ++k) {
        const auto& c = s.colours[static_cast<std::size_t>(k)];
        p.writeInt(kColors, indexed("Brush", k), c.brush);
        p.writeInt(kColors, indexed("Pen", k), c.pen);
    }
    p.writeBool(kMain, "OverWrite", s.overWrite);
    p.writeInt(kMain, "OpenDialogFilterIndex", s.openFilterIndex);
    p.writeInt(kMain, "SaveDialogFilterIndex", s.saveFilterIndex);
    p.writeString(kMain, "ImortExporMid", s.exportMid);
    p.writeString(kMain, "ImortExporCsm", s.exportCsm);
    p.writeString(kMain, "ImortExporAdd", s.exportAdd);
}

}  // namespace app

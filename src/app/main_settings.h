#pragma once
// The main window's settings ("Main") and the event colours ("Colors") of
// "Ctabber.INI", read once at start and written back whole at close.
#include <array>
#include <cstdint>
#include <string>

#include "base/profile.h"
#include "base/window_bounds.h"
#include "document/event_colours.h"

namespace app {

inline constexpr int kPanelCount = 6;     // "Panel2" to "Panel7"
inline constexpr int kMinPanelWidth = 40;  // a stored width below this is ignored
inline constexpr int kStoredColumns = 8;   // "Col1" to "Col8"

struct MainSettings {
    std::string language;
    base::WindowBounds bounds;
    std::array<int, kPanelCount> panels{};
    int findIndex = 0;
    int findChan = 0;
    std::string saveDialog;
    std::string openDialog;
    std::string exportImportDir;
    std::array<std::string, 4> recentFiles;
    std::string insFile;
    bool useColor = true;
    int midiOut = -1;
    bool clearCasm = true;
    bool delConfirm = true;
    bool delNote = false;
    bool ctabberAdvanced = false;
    std::array<int, kStoredColumns> columns{};  // 0 = keep the computed width
    document::ColourTable colours = document::builtinColours();
    bool overWrite = true;
    int openFilterIndex = 1;
    int saveFilterIndex = 1;
    std::string exportMid = "Midi part";
    std::string exportCsm = "Casm part";
    std::string exportAdd = "Add part";
};

// Reads "Main" and "Colors". Window bounds and panel widths default to those
// of `present` (the window as it stands); everything else to the defaults above.
MainSettings loadMainSettings(const base::Profile& profile, const MainSettings& present);

// Keeps widths read from a garbled file within a screen `screenWidth` wide:
// a panel at most half of it, so the grid keeps room; a column at most all of
// it, and a negative column width as 0 (the computed width).
void fitWidths(MainSettings& settings, int screenWidth);

// Writes every key of "Main" and "Colors" in the file's fixed order.
void saveMainSettings(base::Profile& profile, const MainSettings& settings);

}  // namespace app

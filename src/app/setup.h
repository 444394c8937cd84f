#pragma once
// What the setup dialog edits: a copy of the settings it shows, taken back
// into the settings on OK in a fixed order.
#include <filesystem>
#include <string>
#include <vector>

#include "app/main_settings.h"

namespace app {

// The colour classes the dialog shows (class 0 has no label).
inline constexpr int kFirstSetupColourClass = 1;

struct SetupValues {
    int midiOut = -1;  // chosen port, -1 for none
    bool clearCasm = true;
    bool delConfirm = true;
    bool delNote = false;
    bool ctabberAdvanced = false;
    bool overWrite = true;
    document::ColourTable colours = document::builtinColours();
    std::string language;  // chosen language file name; empty = English
};

SetupValues setupValuesOf(const MainSettings& settings);

struct SetupChanges {
    bool colours = false;   // some class 1 to 18 got a new colour: repaint
    bool language = false;  // another language file (or English): translate again
};

// Takes the dialog's values on OK: port, the four options, the colours of
// classes 1 to 18, the overwrite option, then the language. Choosing the
// language already in use changes nothing.
SetupChanges applySetup(MainSettings& settings, const SetupValues& chosen);

// The language files (".lng", any case) of `dir`, sorted by name.
std::vector<std::string> languageFiles(const std::filesystem::path& dir);

}  // namespace app

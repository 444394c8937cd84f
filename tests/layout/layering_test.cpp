// The folders of src/ are layers: base < names < document < casm, events,
// playback, tools < chords, roll < their ui folders < app. A file may include
// from its own folder and from the layers below it, never from a layer above
// it, so that the core builds without the windows and each subsystem can be
// read, tested and reused without the ones beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

// The core layers by height; subsystems of one height do not include each
// other. Chord following plays a section by its CASM entries through the
// player's events, and the piano roll edits and follows playback, so both
// stand on the subsystems they combine.
const std::map<std::string, int> kCoreRank = {
    {"base", 0},  {"names", 1},    {"document", 2}, {"casm", 3}, {"events", 3}, {"playback", 3},
    {"tools", 3}, {"chords", 4},   {"roll", 4},     {"app", 5},
};

// Dialogs of one subsystem that another subsystem's windows open: the note
// picker serves the key after-touch dialog, the track channel table the
// CASM editor.
const std::set<std::string> kSharedWindows = {
    "casm/ui/note_picker.h",
    "events/ui/track_channel_dialog.h",
};

std::string subsystemOf(const std::string& folder) { return folder.substr(0, folder.find('/')); }
bool isUi(const std::string& folder) { return folder.size() > 3 && folder.ends_with("/ui"); }

// Whether a file in `from` (a folder below src/, such as "casm/ui") may
// include `header` (a path below src/, such as "base/ui/captions.h").
bool mayInclude(const std::string& from, const std::string& header) {
    const std::string to = fs::path(header).parent_path().generic_string();
    if (to == from) return true;
    const std::string fromSub = subsystemOf(from);
    const std::string toSub = subsystemOf(to);
    const auto core = [](const std::string& folder) { return kCoreRank.contains(folder); };

    if (from == "cli/playback") return to == "cli" || to == "playback/ports" || mayInclude("cli", header);
    if (from == "cli") return core(to) && to != "app";
    if (from == "playback/ports") return to == "playback" || (core(to) && kCoreRank.at(to) < kCoreRank.at("playback"));
    if (from == "base/ui") return to == "base";
    if (from == "app/ui") return to != "cli" && !to.starts_with("cli/");
    if (isUi(from)) {
        if (core(to)) return to != "app";
        if (to == "base/ui" || to == fromSub + "/ports") return true;
        return kSharedWindows.contains(header);
    }
    if (core(from)) return core(to) && kCoreRank.at(to) < kCoreRank.at(from);
    return false;  // a folder the layers do not name yet: give it a place first
}

struct WrongInclude {
    std::string file;
    std::string header;
};

// Every quoted include of every source file below `src` that its layer may not make.
std::vector<WrongInclude> wrongIncludes(const fs::path& src) {
    static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::vector<WrongInclude> wrong;
    for (const auto& item : fs::recursive_directory_iterator(src)) {
        const auto ext = item.path().extension();
        if (!item.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        const std::string relative = fs::relative(item.path(), src).generic_string();
        const std::string folder = fs::path(relative).parent_path().generic_string();
        std::ifstream in(item.path());
        std::string line;
        std::smatch m;
        while (std::getline(in, line)) {
            if (!std::regex_search(line, m, include)) continue;
            const std::string header = m[1];
            // A bare name is a file of the same folder (such as a generated one).
            if (header.find('/') == std::string::npos) continue;
            if (!mayInclude(folder, header)) wrong.push_back({relative, header});
        }
    }
    return wrong;
}

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

}  // namespace

TEST(Layering, NoFileOfTheSourceTreeIncludesFromALayerAboveIt) {
    const auto wrong = wrongIncludes(fs::path(CTABBER_SOURCE_DIR) / "src");
    for (const auto& w : wrong) ADD_FAILURE() << w.file << " includes \"" << w.header << "\"";
    EXPECT_TRUE(wrong.empty());
}

TEST(Layering, FindsIncludesThatRunUpwardsOrSideways) {
    testing_support::TempDir dir;
    const fs::path src = dir / "src";
    writeFile(src / "names/gm.h", "#include \"base/profile.h\"\n");                  // down: fine
    writeFile(src / "names/bad.cpp", "  # include \"document/event_list.h\"\n");     // names below document
    writeFile(src / "base/io.cpp", "#include \"app/ui/main_window.h\"\n");           // base under everything
    writeFile(src / "casm/x.cpp", "#include \"events/selection.h\"\n");              // peers stay apart
    writeFile(src / "events/ui/d.cpp", "#include \"casm/ui/note_picker.h\"\n"        // a shared dialog
                                       "#include \"casm/ui/casm_editor_window.h\"\n"  // but not the editor
                                       "#include \"app/main_settings.h\"\n");         // nor the program
    writeFile(src / "cli/c.cpp", "#include \"casm/ui/note_picker.h\"\n#include \"tools/compare.h\"\n");
    writeFile(src / "base/ui/w.cpp", "#include \"base/ui/captions.h\"\n#include \"names/gm_tables.h\"\n");
    writeFile(src / "app/ui/m.cpp", "#include \"events/ui/sysex_dialog.h\"\n#include \"base/ui/captions.h\"\n");

    std::set<std::string> found;
    for (const auto& w : wrongIncludes(src)) found.insert(w.file + " -> " + w.header);
    EXPECT_EQ(found, (std::set<std::string>{
                         "names/bad.cpp -> document/event_list.h",
                         "base/io.cpp -> app/ui/main_window.h",
                         "casm/x.cpp -> events/selection.h",
                         "events/ui/d.cpp -> casm/ui/casm_editor_window.h",
                         "events/ui/d.cpp -> app/main_settings.h",
                         "cli/c.cpp -> casm/ui/note_picker.h",
                         "base/ui/w.cpp -> names/gm_tables.h",
                     }));
}

#include "app/setup.h"

#include <algorithm>
#include <system_error>

#include "base/profile.h"

namespace app {

SetupValues setupValuesOf(const MainSettings& s) {
    return {s.midiOut, s.clearCasm, s.delConfirm, s.delNote, s.ctabberAdvanced, s.overWrite, s.colours, s.language};
}

SetupChanges applySetup(MainSettings& s, const SetupValues& chosen) {
    SetupChanges changes;
    s.midiOut = chosen.midiOut;
    s.clearCasm = chosen.clearCasm;
    s.delConfirm = chosen.delConfirm;
    s.delNote = chosen.delNote;
    s.ctabberAdvanced = chosen.ctabberAdvanced;
    for (int k = kFirstSetupColourClass; k < document::kColourClassCount; ++k) {
        const auto at = static_cast<std::size_t>(k);
        if (chosen.colours[at].brush != s.colours[at].brush || chosen.colours[at].pen != s.colours[at].pen) {
            s.colours[at] = chosen.colours[at];
            changes.colours = true;
        }
    }
    s.overWrite = chosen.overWrite;
    if (chosen.language != s.language) {
        s.language = chosen.language;
        changes.language = true;
    }
    return changes;
}

std::vector<std::string> languageFiles(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const auto name = it->path().filename().string();
        if (name.size() > 4 && base::equalsIgnoreCase(std::string_view(name).substr(name.size() - 4), ".lng"))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace app

#include "casm/check.h"

#include <algorithm>
#include <set>
#include <utility>

namespace casm {

std::vector<std::string> checkCasm(const std::vector<Entry>& entries, const base::Language& language) {
    std::vector<std::string> lines;
    const std::string warning = language.text(183, "WARNING: PSR do not use channel");
    const std::string inSection = language.text(184, "in section");
    for (const Entry& e : entries)
        if (e[MidiChan] <= 7)
            lines.push_back(warning + " " + std::to_string(e[MidiChan] + 1) + " " + inSection + " " + e.section);
    const auto duplicates = duplicateChannelWarnings(entries, language);
    lines.insert(lines.end(), duplicates.begin(), duplicates.end());
    if (lines.empty()) lines.push_back(language.text(185, "No warnings..."));
    return lines;
}

std::vector<std::string> duplicateChannelWarnings(const std::vector<Entry>& entries, const base::Language& language) {
    std::vector<std::string> lines;
    std::set<std::pair<std::string, int>> seen;
    std::set<std::pair<std::string, int>> reported;
    for (const Entry& e : entries) {
        const std::pair<std::string, int> key{e.section, e[Track]};
        if (seen.insert(key).second || !reported.insert(key).second) continue;
        lines.push_back("WARNING: more than one entry for source channel " + std::to_string(e[Track] + 1) + " " +
                        language.text(184, "in section") + " " + e.section);
    }
    return lines;
}

std::vector<std::string> addedDuplicateWarnings(const std::vector<Entry>& before, const std::vector<Entry>& after,
                                                const base::Language& language) {
    const auto had = duplicateChannelWarnings(before, language);
    auto lines = duplicateChannelWarnings(after, language);
    std::erase_if(lines, [&had](const std::string& line) { return std::ranges::find(had, line) != had.end(); });
    return lines;
}

}  // namespace casm

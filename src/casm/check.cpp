#include "casm/check.h"

namespace casm {

std::vector<std::string> checkCasm(const std::vector<Entry>& entries, const base::Language& language) {
    std::vector<std::string> lines;
    const std::string warning = language.text(183, "WARNING: PSR do not use channel");
    const std::string inSection = language.text(184, "in section");
    for (const Entry& e : entries)
        if (e[MidiChan] <= 7)
            lines.push_back(warning + " " + std::to_string(e[MidiChan] + 1) + " " + inSection + " " + e.section);
    if (lines.empty()) lines.push_back(language.text(185, "No warnings..."));
    return lines;
}

}  // namespace casm

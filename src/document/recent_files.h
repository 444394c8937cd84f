#pragma once
// The four recent files of the File menu, slot 1 newest.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace document {

using RecentFiles = std::array<std::string, 4>;

// A new name shifts the slots down; a name in slot 2-4 changes places with
// slot 1; slot 1 stays. Comparisons are exact.
void addRecentFile(RecentFiles& files, const std::string& name);
// The menu entries: non-empty slots from slot 1, up to the first empty one.
std::vector<std::string> recentMenuEntries(const RecentFiles& files);

// The command line's file: argument 1, then joined with " " and argument 2,
// and so on, up to the first join that names an existing file.
struct CommandLineFile {
    std::string name;
    bool removeBanks = false;  // the next argument is exactly "br"
};
std::optional<CommandLineFile> commandLineFile(const std::vector<std::string>& args);

}  // namespace document

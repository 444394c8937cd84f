#include "document/recent_files.h"

#include "base/file_io.h"

namespace document {

void addRecentFile(RecentFiles& files, const std::string& name) {
    if (files[0] == name) return;
    for (std::size_t i = 1; i < files.size(); ++i) {
        if (files[i] == name) {
            files[i] = files[0];
            files[0] = name;
            return;
        }
    }
    for (std::size_t i = files.size() - 1; i > 0; --i) files[i] = files[i - 1];
    files[0] = name;
}

std::vector<std::string> recentMenuEntries(const RecentFiles& files) {
    std::vector<std::string> entries;
    for (const auto& f : files) {
        if (f.empty()) break;
        entries.push_back(f);
    }
    return entries;
}

std::optional<CommandLineFile> commandLineFile(const std::vector<std::string>& args) {
    std::string name;
    for (std::size_t i = 0; i < args.size(); ++i) {
        name = i == 0 ? args[0] : name + " " + args[i];
        if (base::fileExists(name)) return CommandLineFile{name, i + 1 < args.size() && args[i + 1] == "br"};
    }
    return std::nullopt;
}

}  // namespace document

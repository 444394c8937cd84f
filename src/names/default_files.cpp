#include "names/default_files.h"

#include <cstdlib>
#include <string_view>

#include "base/file_io.h"

namespace names {
namespace {

// The shipped translation is offered in the setup dialog's language list,
// which lists the program directory's ".lng" files.
constexpr std::string_view kShippedFiles[] = {base::files::controllers, base::files::xgSystem, base::files::genres,
                                              "Deutsch.lng"};

}  // namespace

std::vector<std::filesystem::path> shippedNameFileDirs(const std::filesystem::path& executable) {
    std::vector<std::filesystem::path> dirs;
    if (const char* env = std::getenv("CTABBER_DATA_DIR"); env && *env) dirs.emplace_back(env);
    const auto exeDir = executable.parent_path();
    if (!exeDir.empty()) {
        dirs.push_back(exeDir / ".." / "share" / "ctabber");
        dirs.push_back(exeDir / "data");
    }
#ifdef CTABBER_DATA_DIR
    dirs.emplace_back(CTABBER_DATA_DIR);
#endif
    return dirs;
}

InstallResult installNameFiles(const base::Workspace& workspace, const std::vector<std::filesystem::path>& dirs) {
    InstallResult result;
    for (const std::string_view name : kShippedFiles) {
        const auto target = workspace.file(name);
        std::error_code ec;
        if (std::filesystem::exists(target, ec) || ec) continue;
        for (const auto& dir : dirs) {
            const auto source = dir / name;
            if (!std::filesystem::is_regular_file(source, ec)) continue;
            (base::copyFileAtomic(source, target) ? result.copied : result.failed).emplace_back(name);
            break;
        }
    }
    return result;
}

}  // namespace names

#include "base/workspace.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace base {
namespace {

std::filesystem::path madeAbsolute(std::filesystem::path dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    auto absolute = std::filesystem::absolute(dir, ec);
    return ec ? dir : absolute;
}

}  // namespace

Workspace::Workspace(std::filesystem::path dir) : dir_(madeAbsolute(std::move(dir))), workDir_(dir_) {}

Workspace::Workspace(std::filesystem::path dir, std::filesystem::path workDir)
    : dir_(madeAbsolute(std::move(dir))), workDir_(std::move(workDir)) {}

Workspace Workspace::locate(const std::filesystem::path& executable) {
    if (const char* home = std::getenv("CTABBER_HOME"); home && *home) return Workspace(home);
    std::error_code ec;
    auto exeDir = std::filesystem::canonical(executable, ec).parent_path();
    if (!ec && !exeDir.empty() && ::access(exeDir.c_str(), W_OK) == 0) return Workspace(exeDir);
    std::filesystem::path data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        data = xdg;
    } else if (const char* user = std::getenv("HOME"); user && *user) {
        data = std::filesystem::path(user) / ".local" / "share";
    } else {
        data = std::filesystem::temp_directory_path(ec);
    }
    return Workspace(data / "ctabber");
}

}  // namespace base

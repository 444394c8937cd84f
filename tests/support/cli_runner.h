#pragma once
// Runs ctabber-cli from a test and collects what it printed.
#include <filesystem>
#include <string>
#include <vector>

namespace test_support {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the command-line tool with `args` (each passed as one argument).
CliRun runCli(const std::vector<std::string>& args);

// A fresh folder under the temporary directory, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace test_support

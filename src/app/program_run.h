#pragma once
// Runs a helper program of the desktop (no shell in between) and waits for it.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace app {

// The program's path when `name` is found in $PATH (or names an executable
// file itself).
std::optional<std::filesystem::path> findProgram(const std::string& name);

struct ProgramRun {
    bool started = false;  // false: not found or could not be started
    int exitCode = -1;     // -1 when it did not exit normally
    std::string output;    // what it wrote to stdout
};

// Runs `name` with `args`, stdin from /dev/null, stderr discarded, stdout
// collected. Blocks until the program ends.
ProgramRun runProgram(const std::string& name, const std::vector<std::string>& args);

}  // namespace app

#pragma once
// The program's manual: HTML pages shipped in the "help" folder of its data.
#include <filesystem>
#include <optional>
#include <vector>

namespace app {

// help/index.html of the first of `dataDirs` that has it.
std::optional<std::filesystem::path> helpIndex(const std::vector<std::filesystem::path>& dataDirs);

}  // namespace app

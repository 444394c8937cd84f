#pragma once
// Files the program ships beside its name files: the manual (help/) and the
// icon, found in the first data folder that has them.
#include <filesystem>
#include <optional>
#include <vector>

namespace base {

// `dirs[i] / relative` of the first folder holding it as a regular file.
std::optional<std::filesystem::path> findDataFile(const std::vector<std::filesystem::path>& dirs,
                                                  const std::filesystem::path& relative);

}  // namespace base

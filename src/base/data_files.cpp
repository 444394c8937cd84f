#include "base/data_files.h"

#include <system_error>

namespace base {

std::optional<std::filesystem::path> findDataFile(const std::vector<std::filesystem::path>& dirs,
                                                  const std::filesystem::path& relative) {
    for (const auto& dir : dirs) {
        const auto file = dir / relative;
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec)) continue;
        auto canonical = std::filesystem::weakly_canonical(file, ec);
        return ec ? file : canonical;
    }
    return std::nullopt;
}

}  // namespace base

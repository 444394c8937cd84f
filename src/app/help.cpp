#include "app/help.h"

#include <system_error>

namespace app {

std::optional<std::filesystem::path> helpIndex(const std::vector<std::filesystem::path>& dataDirs) {
    for (const auto& dir : dataDirs) {
        const auto index = dir / "help" / "index.html";
        std::error_code ec;
        if (!std::filesystem::is_regular_file(index, ec)) continue;
        auto canonical = std::filesystem::weakly_canonical(index, ec);
        return ec ? index : canonical;
    }
    return std::nullopt;
}

}  // namespace app

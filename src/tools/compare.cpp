#include "tools/compare.h"

#include <cstdio>

namespace tools {

Comparison compareBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b, std::string nameA,
                        std::string nameB) {
    Comparison result{std::move(nameA), std::move(nameB), {}, 0, false};
    for (std::size_t offset = 0; offset < a.size(); ++offset) {
        if (offset == b.size()) {
            result.differentLength = true;
            break;
        }
        if (a[offset] != b[offset])
            result.mismatches.push_back({static_cast<std::uint32_t>(offset), a[offset], b[offset]});
        ++result.compared;
    }
    return result;
}

std::size_t compareLineCount(const Comparison& c) { return 1 + c.mismatches.size() + (c.differentLength ? 1 : 0) + 2; }

std::string compareLine(const Comparison& c, std::size_t line) {
    if (line == 0) return "HEXPosition  " + c.nameA + "   " + c.nameB;
    if (line - 1 < c.mismatches.size()) {
        const auto& m = c.mismatches[line - 1];
        char buffer[48];
        std::snprintf(buffer, sizeof buffer, "%04X         %02X      %02X", static_cast<unsigned>(m.offset), m.a, m.b);
        return buffer;
    }
    std::size_t rest = line - 1 - c.mismatches.size();
    if (c.differentLength) {
        if (rest == 0) return "Different length...";
        --rest;
    }
    if (rest == 0) return "___________________________________";
    if (rest == 1) return "Compared: " + std::to_string(c.compared) + "   No match:" + std::to_string(c.mismatches.size());
    return {};
}

}  // namespace tools

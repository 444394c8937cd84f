#include "document/casm_splice.h"

#include <algorithm>

namespace document {

std::optional<base::Bytes> replaceCasmSection(std::span<const std::uint8_t> style, const ReadResult& read,
                                             std::span<const std::uint8_t> casm) {
    if (!read.casmTaken) return std::nullopt;
    // The section is "CASM", 4 length bytes and the body; casmLength counts the body and 4.
    const std::uint64_t section = read.casmLength + 4;
    if (section + read.addLength > style.size()) return std::nullopt;
    const std::size_t at = style.size() - static_cast<std::size_t>(section + read.addLength);
    const std::uint8_t tag[] = {'C', 'A', 'S', 'M'};
    if (!std::equal(tag, tag + 4, style.begin() + static_cast<std::ptrdiff_t>(at))) return std::nullopt;
    base::Bytes out(style.begin(), style.begin() + static_cast<std::ptrdiff_t>(at));
    out.insert(out.end(), casm.begin(), casm.end());
    out.insert(out.end(), style.end() - static_cast<std::ptrdiff_t>(read.addLength), style.end());
    return out;
}

}  // namespace document

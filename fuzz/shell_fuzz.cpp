// Feeds arbitrary bytes to the language file decoder and the hex dump: a
// decoded text is valid UTF-8 and its profile's keys read back; every dump
// line has the fixed layout.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/profile.h"
#include "base/text_encoding.h"
#include "tools/compare.h"
#include "tools/hex_dump.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto text = base::decodeText(bytes)) {
        if (!base::isValidUtf8(*text)) std::abort();
        const auto profile = base::Profile::fromText(*text);
        for (const auto& section : profile.sections())
            for (const auto& key : profile.keys(section))
                if (!profile.value(section, key)) std::abort();
    }
    const std::span<const std::uint8_t> span(data, size);
    for (std::size_t line = 0; line < tools::dumpLineCount(size); ++line) {
        const auto text = tools::dumpLine(span, line);
        if (text.find("  |  ") == std::string::npos || text.size() < 4 + 1 + 48 + 5 + 16) std::abort();
    }
    const auto half = span.subspan(0, size / 2);
    const auto compared = tools::compareBytes(span, half, "a", "b");
    if (compared.compared != half.size() || compared.differentLength != (size != half.size())) std::abort();
    return 0;
}

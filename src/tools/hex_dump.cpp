#include "tools/hex_dump.h"

#include <algorithm>
#include <cstdio>

#include "base/file_io.h"

namespace tools {

std::size_t dumpLineCount(std::size_t size) { return size / kDumpBytesPerLine + 1; }

std::string dumpLine(std::span<const std::uint8_t> bytes, std::size_t line) {
    const std::size_t start = line * kDumpBytesPerLine;
    const std::size_t count = start < bytes.size() ? std::min(kDumpBytesPerLine, bytes.size() - start) : 0;
    std::string out;
    out.reserve(4 + 1 + 3 * kDumpBytesPerLine + 5 + kDumpBytesPerLine + 8);
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%04zX ", start);
    out += buffer;
    for (std::size_t i = 0; i < kDumpBytesPerLine; ++i) {
        if (i < count) {
            std::snprintf(buffer, sizeof buffer, "%02X ", bytes[start + i]);
            out += buffer;
        } else {
            out += "   ";
        }
    }
    out += "  |  ";
    for (std::size_t i = 0; i < kDumpBytesPerLine; ++i) {
        if (i >= count) {
            out += ' ';
            continue;
        }
        const auto b = bytes[start + i];
        out += b < 0x20 ? '.' : b > 0x80 ? '^' : static_cast<char>(b);
    }
    return out;
}

bool writeDump(std::span<const std::uint8_t> bytes, const std::filesystem::path& target) {
    base::AtomicFile file(target);
    if (!file.isOpen()) return false;
    const std::size_t lines = dumpLineCount(bytes.size());
    std::string chunk;
    for (std::size_t line = 0; line < lines; ++line) {
        chunk += dumpLine(bytes, line);
        chunk += '\n';
        if (chunk.size() >= 1 << 16 && !file.write(std::string_view(chunk))) return false;
        if (chunk.size() >= 1 << 16) chunk.clear();
    }
    return file.write(std::string_view(chunk)) && file.commit();
}

}  // namespace tools

#pragma once
// The hexadecimal dump of the CASM viewer: one line per 16 bytes,
//   "%04X " offset, "%02X " per byte (three blanks per missing byte),
//   "  |  ", each byte as a character (below 20h ".", above 80h "^"),
//   one blank per missing byte.
// The dump ends with the first line of fewer than 16 bytes, so a length that
// is a multiple of 16 (an empty file too) ends with a line without bytes.
// Lines are formatted on demand; nothing is kept per line.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace tools {

inline constexpr std::size_t kDumpBytesPerLine = 16;

// size / 16 + 1.
std::size_t dumpLineCount(std::size_t size);

// Line `line` (from 0) of the dump of `bytes`, without its line break.
std::string dumpLine(std::span<const std::uint8_t> bytes, std::size_t line);

// Writes every line, each ending in "\n", to `target` all or nothing.
bool writeDump(std::span<const std::uint8_t> bytes, const std::filesystem::path& target);

}  // namespace tools

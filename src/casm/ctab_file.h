#pragma once
// ".Ctab" files: the 80-byte record of one entry, with its section name,
// flags, row and Cntt.
#include <filesystem>
#include <optional>

#include "casm/entry.h"

namespace casm {

// Writes the record all or nothing; false when the file cannot be written.
bool saveCtabFile(const std::filesystem::path& path, const Entry& entry);
// The entry of a ".Ctab" file, marked changed; nothing when the file cannot
// be read or its record would break the next save (see fromRecord).
std::optional<Entry> loadCtabFile(const std::filesystem::path& path);

}  // namespace casm

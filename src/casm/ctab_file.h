#pragma once
// Single-entry files: ".Ctab" holds the 80-byte record of a Ctab entry,
// ".Ctb2" the 92-byte record of a Ctb2 entry (see toRecord), each with its
// section name, flags, row and Cntt.
#include <filesystem>
#include <optional>
#include <string_view>

#include "casm/entry.h"

namespace casm {

// ".Ctab" or ".Ctb2": the extension of an entry file of the kind.
std::string_view entryFileExtension(TableKind kind);

// Writes the entry's record all or nothing; false when the file cannot be written.
bool saveCtabFile(const std::filesystem::path& path, const Entry& entry);
// The entry of a ".Ctab" or ".Ctb2" file, marked changed: a file of exactly
// 92 bytes is a ".Ctb2" record, any other is read as a ".Ctab" record (its
// first 80 bytes). Nothing when the file cannot be read or its record
// would break the next save (see fromRecord).
std::optional<Entry> loadCtabFile(const std::filesystem::path& path);

}  // namespace casm

#pragma once
// Single-entry files: ".Ctab" holds the 80-byte record of a Ctab entry,
// ".Ctb2" the 92-byte record of a Ctb2 entry (see toRecord), each with its
// section name, flags, row and Cntt.
#include <filesystem>
#include <optional>
#include <string_view>

#include "base/language.h"
#include "base/message.h"
#include "casm/entry.h"

namespace casm {

// ".Ctab" or ".Ctb2": the extension of an entry file of the kind.
std::string_view entryFileExtension(TableKind kind);

// Writes the entry's record all or nothing; false when the file cannot be written.
bool saveCtabFile(const std::filesystem::path& path, const Entry& entry);

struct EntryFileRead {
    std::optional<Entry> entry;
    std::optional<base::Message> failure;  // set exactly when there is no entry
};
// The entry of a ".Ctab" (80 bytes) or ".Ctb2" (92 bytes) file, marked
// changed. Anything else takes nothing and says why, with the file name as
// the caption: a file that cannot be read, one of another size (cut short
// or not a record at all), or a record that would break the next save
// (recordFault names its byte).
EntryFileRead loadCtabFile(const std::filesystem::path& path, const base::Language& language = base::builtinLanguage());

}  // namespace casm

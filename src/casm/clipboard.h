#pragma once
// The entry clipboard "CasmCopy.ini": one INI section per entry, named
// "0", "1", ... in copy order, so entries travel between editor windows
// and between runs of the program.
#include <filesystem>
#include <span>
#include <vector>

#include "casm/entry.h"

namespace casm {

// Replaces the clipboard file by `entries` (without Cntt and flags): per
// entry "CasmLen", "Section", "Track", "Name", then one key per byte as
// byteFields of its kind names them (a Ctab entry always gets "unkn26" to
// "unkn34"). With no entry the file is only deleted. False when it could
// not be written.
bool writeClipboard(const std::filesystem::path& file, std::span<const Entry> entries);

// The entries of the clipboard, each marked changed, up to the first section
// that is missing or refused: a "CasmLen" that is neither a Ctab length nor
// 47 (Ctb2), a "Section" that is empty or longer than 31 characters, a
// "Track" above 15. A Ctb2 entry's keys are the Ctb2 byte names
// (byteFields); a key that is missing takes the value of unmutedEntry.
std::vector<Entry> readClipboard(const std::filesystem::path& file);

}  // namespace casm

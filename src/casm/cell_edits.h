#pragma once
// Cell edits of the CASM editor's grid that are not one byte (those are
// editCell in assign.h), with the same marked-entries rule: the value goes
// to the clicked entry and, when it is marked and at least two entries are,
// to every marked entry; an entry changes (and gets its changed flag) only
// where its value differs. Each returns the indices of the entries changed.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "casm/entry.h"
#include "casm/masks.h"

namespace casm {

std::vector<std::size_t> editSection(std::vector<Entry>& entries, std::size_t clicked, std::string_view section);
// The name padded or cut to 8 characters (fitName).
std::vector<std::size_t> editName(std::vector<Entry>& entries, std::size_t clicked, std::string_view name);
// Nothing changes when the mask equals the clicked entry's; each entry keeps its AutoStart bit.
std::vector<std::size_t> editNoteMask(std::vector<Entry>& entries, std::size_t clicked, const NoteMask& mask);
std::vector<std::size_t> editChordMask(std::vector<Entry>& entries, std::size_t clicked, const ChordMask& mask);
std::vector<std::size_t> editAutoStart(std::vector<Entry>& entries, std::size_t clicked, bool on);
// Nothing changes, not even in other marked entries, when the pair equals
// the clicked entry's Cntt.
std::vector<std::size_t> editCntt(std::vector<Entry>& entries, std::size_t clicked, bool present, std::uint8_t value);

}  // namespace casm

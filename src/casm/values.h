#pragma once
// Names of the entry values and the texts of the CASM editor's grid.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "app/language.h"
#include "casm/entry.h"

namespace casm {

std::span<const std::string_view> keyNames();        // "C" to "B": chord root and highest key
std::span<const std::string_view> chordTypeNames();  // the 34 chord types, "Maj" to "1+2+5"
std::span<const std::string_view> nttNames();        // "Bypass" to "M-m Only(H)"
std::span<const std::string_view> rtrNames();        // grid texts "Stop" to "Ret.ToRoot"
// The name of `value` in `names`, or "-" beyond the list.
std::string_view valueName(std::span<const std::string_view> names, int value);
std::string_view ntrName(int value);  // "Trans" for 0, else "Fixed"

inline constexpr int kGridColumns = 18;
using GridCells = std::array<std::string, kGridColumns>;

// The header texts "N", "Section", "Tr", ... "ReadOnly".
GridCells gridHeaders(const app::Language& language = app::builtinLanguage());
// The cells of one entry's grid row; `row` is the number shown in "N".
GridCells gridCells(const Entry& entry, std::uint32_t row,
                    const app::Language& language = app::builtinLanguage());

}  // namespace casm

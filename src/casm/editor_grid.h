#pragma once
// How the CASM editor's grid shows the entry list: the row order of the
// three sort modes, the colours of a cell, the column widths, and the marks
// (the user's selection for bulk commands). Each function walks the list
// once (the sort: n log n); window thread only.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "casm/entry.h"

namespace casm {

// 0 by section (list order), 1 by destination channel, 2 by source channel.
enum class SortMode : int { Section = 0, Channel = 1, Track = 2 };

// The list index of each grid row, in row order: list order, or channel by
// channel (the byte taken modulo 16) with list order kept within a channel.
std::vector<std::size_t> gridOrder(const std::vector<Entry>& entries, SortMode mode);

// Colours as 0xRRGGBB.
struct CellColours {
    std::uint32_t background;
    std::uint32_t text;
    friend bool operator==(const CellColours&, const CellColours&) = default;
};
// A fixed cell (the header, column 0) or a cell of an entry, marked and/or
// changed, in the grid's current row or not.
CellColours fixedCellColours(bool currentRow);
CellColours entryCellColours(bool marked, bool changed, bool currentRow);

// Column widths from percentage shares of `clientWidth` less `margin`. When
// the room holds every column's `least` width (its heading and widest text),
// each column gets that and the rest is shared out: no text is cut that need
// not be.
std::vector<int> columnWidths(std::span<const int> shares, int clientWidth, int margin,
                              std::span<const int> least = {});

// What a mark command picks: the entries sharing the current entry's
// section, source channel or destination channel, or all.
enum class MarkBy { Section, Track, Channel, All };
// Sets or clears the mark of every entry that shares `by` with `current`;
// the number of entries whose mark changed.
int setMarks(std::vector<Entry>& entries, const Entry& current, MarkBy by, bool on);
// Marks every entry of the named sections; the number newly marked.
int markSections(std::vector<Entry>& entries, const std::vector<std::string>& sections);
std::size_t markedCount(const std::vector<Entry>& entries);
// The indices of the marked entries, in list order.
std::vector<std::size_t> markedIndices(const std::vector<Entry>& entries);
// Every distinct section name in order of first appearance.
std::vector<std::string> sectionNames(const std::vector<Entry>& entries);

// The section names the "Section" cell's menu offers.
std::span<const std::string_view> sectionMenuNames();
// A section name as it is stored: cut to 31 characters.
std::string fitSectionName(std::string_view name);

}  // namespace casm

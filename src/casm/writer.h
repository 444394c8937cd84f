#pragma once
// Writing entry records as a CASM section: the entries are gathered into a
// section table, sections with byte-identical entries and Cntt values are
// grouped into one segment, and the segments are assembled in table order.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "base/language.h"
#include "base/message.h"
#include "casm/cntt.h"
#include "casm/entry.h"

namespace casm {

inline constexpr std::size_t kMaxSections = 64;

struct CnttSlot {
    bool present = false;
    std::uint8_t value = 0;  // 0 while not present
    friend bool operator==(const CnttSlot&, const CnttSlot&) = default;
};

// One section of the table: its entries' bytes in list order, all of one
// kind, and the Cntt values of its channels.
struct SectionRow {
    std::string name;
    TableKind kind = TableKind::Ctab;  // the chunk tag its entries are written with
    std::vector<std::vector<std::uint8_t>> ctabs;
    std::size_t size = 0;  // each entry counted as its length plus one
    std::array<CnttSlot, 16> cntt{};
    int group = 0;
    bool written = false;

    // Same kind, same entries (count, lengths, bytes, order) and the same Cntt values.
    bool sameContent(const SectionRow& other) const {
        return kind == other.kind && ctabs == other.ctabs && cntt == other.cntt;
    }
};
using SectionTable = std::vector<SectionRow>;

// Lets the user reorder the table (the section order dialog); false cancels.
using SectionOrder = std::function<bool(SectionTable& table)>;

// The table of `entries` in order of first appearance; a later entry of the
// same section and channel sets the Cntt slot again. A kept Cntt value fills
// the slot of its channel in its section when no entry of that section has
// the channel (and is dropped with its section). Refused with "Unable to
// save..." and a second line that says why, for anything the reader would
// refuse or read differently: an empty section name, one longer than 31
// characters or holding a comma (the Sdec text separates names with
// commas), more than 64 sections, a `Track` of 16 or more, a length
// neither kind has, more than 16 entries in one section (a segment holds no
// more), a section with entries of both kinds, and an empty list (a CASM
// section without segments cannot be read).
std::optional<base::Message> buildSectionTable(const std::vector<Entry>& entries, SectionTable& table,
                                              const base::Language& language = base::builtinLanguage(),
                                              std::span<const KeptCntt> kept = {});
// Numbers the groups from 1 in table order; rows with the same content share one.
void groupSections(SectionTable& table);
// Swap a row with its neighbour; false (and nothing changed) at the edge.
bool moveSectionUp(SectionTable& table, std::size_t row);
bool moveSectionDown(SectionTable& table, std::size_t row);
// The order dialog's cells of row `index` (from 0): "N", "Section", "Length", "Same".
std::array<std::string, 4> sectionOrderCells(const SectionTable& table, std::size_t index);
// The CASM section of a grouped table in its order: one segment per group,
// its Sdec text the names joined by ","; a group whose names would pass the
// Sdec limit of 255 bytes goes on in a further segment.
base::Bytes assembleCasm(SectionTable table);

struct WriteResult {
    base::Bytes bytes;
    bool cancelled = false;
    std::optional<base::Message> failure;
    bool ok() const { return !cancelled && !failure; }
};

// The bytes of the entry list and the kept Cntt values; `order` (when set)
// sees the grouped table.
WriteResult writeCasm(const std::vector<Entry>& entries, const SectionOrder& order = {},
                      const base::Language& language = base::builtinLanguage(), std::span<const KeptCntt> kept = {});
// The same, written to `path` all or nothing: no file is touched when the
// write is refused or cancelled. The caller clears the changed flags on success.
WriteResult writeCasmFile(const std::filesystem::path& path, const std::vector<Entry>& entries,
                          const SectionOrder& order = {}, const base::Language& language = base::builtinLanguage(),
                          std::span<const KeptCntt> kept = {});

}  // namespace casm

#pragma once
// The columns of the CASM editor's grid, described once as data. The table
// model, the cell texts, the double-click editors and the byte a cell edit
// sets all read these tables, for Ctab and Ctb2 entries alike: the 18
// columns every entry fills, whose rule columns show the zone the editor's
// zone switch chooses, and 20 columns that only Ctb2 entries fill (the
// middle range and the rules of each zone) for a view that shows all zones
// side by side.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/language.h"
#include "casm/entry.h"

namespace casm {

enum class ColumnField : std::uint8_t {
    Number,
    Section,
    Track,
    Name,
    MidiChan,
    ChordRoot,
    ChordType,
    Rule,  // one of the six rules, of the column's zone
    NoteMute,
    ChordMute,
    AutoStart,
    Cntt,
    ReadOnly,
    MiddleLow,
    MiddleHigh,
};

// The zone whose rule a rule column shows of a Ctb2 entry: the zone of the
// editor's switch, or a zone of its own.
enum class ZoneChoice : std::uint8_t { Shown, Low, Middle, High };

// What a double-click on a cell opens.
enum class CellEditor : std::uint8_t {
    ToggleMark,
    SectionMenu,
    ChannelMenu,
    NameEdit,
    KeyMenu,
    ChordPicker,
    NtrMenu,  // items by the entry's kind (ctb2NtrNames for a Ctb2 entry)
    NttMenu,  // a Ctb2 entry: ctb2NttNames of its NTR, and the bass bit
    NotePicker,
    RtrMenu,  // a Ctb2 entry: ctb2RtrNames
    NoteMuteDialog,
    ChordMuteDialog,
    AutoStartMenu,
    CnttWindow,
    ReadOnlyMenu,
};

struct Column {
    int textId;  // language number of the heading; 0 when it has none
    std::string_view heading;
    ColumnField field;
    Rule rule;        // of a Rule column
    ZoneChoice zone;  // of a Rule column
    CellEditor editor;
    int widthShare;  // percent of the grid's width
};

inline constexpr int kGridColumns = 18;
inline constexpr int kCtb2Columns = 20;

// "N", "Section", "Tr", ... "ReadOnly".
std::span<const Column> gridColumns();
// "Mid.Low", "Mid.High", then "Low NTR" ... "Low RTR", "Mid NTR" ...
// "High RTR".
std::span<const Column> ctb2Columns();

// Whether the entry has the column's value: a Ctab entry has no middle
// range and no rule columns of a zone of their own.
bool columnApplies(const Column& column, const Entry& entry);
// The zone a rule column reads when the switch shows `shown`.
Zone columnZone(const Column& column, Zone shown);

std::string headingText(const Column& column, const base::Language& language = base::builtinLanguage());
// The text of a cell: `row` is the number "N" shows (with "*" for a Ctab
// entry of another length than 27), `shown` the zone of the switch. Empty
// for a column the entry has not.
std::string cellText(const Entry& entry, const Column& column, std::uint32_t row, Zone shown,
                     const base::Language& language = base::builtinLanguage());
// The byte a cell edit sets, for the one-byte columns (Track, MidiChan,
// ChordRoot, ChordType, the rules, ReadOnly, the middle range); nothing for
// the other columns and for a column the entry has not.
std::optional<int> columnByte(const Entry& entry, const Column& column, Zone shown);

using GridCells = std::array<std::string, kGridColumns>;
using Ctb2Cells = std::array<std::string, kCtb2Columns>;

// The header texts of the 18 columns.
GridCells gridHeaders(const base::Language& language = base::builtinLanguage());
// The 18 cells of one entry's grid row, a Ctb2 entry's rules of zone `shown`.
GridCells gridCells(const Entry& entry, std::uint32_t row, Zone shown = Zone::Middle,
                    const base::Language& language = base::builtinLanguage());
// The 20 cells of a Ctb2 entry's middle range and zones (all empty for a Ctab entry).
Ctb2Cells ctb2Cells(const Entry& entry, const base::Language& language = base::builtinLanguage());

}  // namespace casm

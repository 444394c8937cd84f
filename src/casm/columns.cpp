#include "casm/columns.h"

#include "casm/masks.h"
#include "casm/values.h"
#include "document/event_text.h"

namespace casm {
namespace {

using F = ColumnField;
using E = CellEditor;
using Z = ZoneChoice;

constexpr Column column(int textId, std::string_view heading, ColumnField field, CellEditor editor, int width) {
    return {textId, heading, field, Rule::NTR, Z::Shown, editor, width};
}
constexpr Column ruleColumn(int textId, std::string_view heading, Rule rule, ZoneChoice zone, CellEditor editor,
                            int width) {
    return {textId, heading, F::Rule, rule, zone, editor, width};
}

constexpr std::array<Column, kGridColumns> kGridColumnTable = {{
    column(67, "N", F::Number, E::ToggleMark, 4),
    column(154, "Section", F::Section, E::SectionMenu, 9),
    column(155, "Tr", F::Track, E::ChannelMenu, 4),
    column(156, "Name", F::Name, E::NameEdit, 8),
    column(157, "Ch", F::MidiChan, E::ChannelMenu, 4),
    column(158, "C.R.", F::ChordRoot, E::KeyMenu, 4),
    column(159, "C.T.", F::ChordType, E::ChordPicker, 8),
    ruleColumn(160, "NTR", Rule::NTR, Z::Shown, E::NtrMenu, 6),
    ruleColumn(161, "NTT", Rule::NTT, Z::Shown, E::NttMenu, 6),
    ruleColumn(162, "H.K.", Rule::HighestKey, Z::Shown, E::KeyMenu, 4),
    ruleColumn(163, "L.L.", Rule::LowLimit, Z::Shown, E::NotePicker, 5),
    ruleColumn(164, "H.L.", Rule::HighLimit, Z::Shown, E::NotePicker, 5),
    ruleColumn(165, "RTR", Rule::RTR, Z::Shown, E::RtrMenu, 9),
    column(166, "NMute", F::NoteMute, E::NoteMuteDialog, 5),
    column(167, "CMute", F::ChordMute, E::ChordMuteDialog, 5),
    column(168, "AStart", F::AutoStart, E::AutoStartMenu, 4),
    column(373, "Cntt", F::Cntt, E::CnttWindow, 3),
    column(383, "ReadOnly", F::ReadOnly, E::ReadOnlyMenu, 6),
}};

constexpr std::array<Column, 6> zoneColumns(ZoneChoice zone, std::string_view ntr, std::string_view ntt,
                                            std::string_view key, std::string_view low, std::string_view high,
                                            std::string_view rtr) {
    return {{ruleColumn(0, ntr, Rule::NTR, zone, E::NtrMenu, 6), ruleColumn(0, ntt, Rule::NTT, zone, E::NttMenu, 8),
             ruleColumn(0, key, Rule::HighestKey, zone, E::KeyMenu, 4),
             ruleColumn(0, low, Rule::LowLimit, zone, E::NotePicker, 5),
             ruleColumn(0, high, Rule::HighLimit, zone, E::NotePicker, 5),
             ruleColumn(0, rtr, Rule::RTR, zone, E::RtrMenu, 9)}};
}

constexpr std::array<Column, kCtb2Columns> kCtb2ColumnTable = [] {
    std::array<Column, kCtb2Columns> table{};
    table[0] = column(0, "Mid.Low", F::MiddleLow, E::NotePicker, 5);
    table[1] = column(0, "Mid.High", F::MiddleHigh, E::NotePicker, 5);
    const std::array<std::array<Column, 6>, kZoneCount> zones = {
        zoneColumns(Z::Low, "Low NTR", "Low NTT", "Low H.K.", "Low L.L.", "Low H.L.", "Low RTR"),
        zoneColumns(Z::Middle, "Mid NTR", "Mid NTT", "Mid H.K.", "Mid L.L.", "Mid H.L.", "Mid RTR"),
        zoneColumns(Z::High, "High NTR", "High NTT", "High H.K.", "High L.L.", "High H.L.", "High RTR")};
    std::size_t at = 2;
    for (const auto& zone : zones)
        for (const auto& c : zone) table[at++] = c;
    return table;
}();

bool onlyCtb2(const Column& c) {
    return c.field == F::MiddleLow || c.field == F::MiddleHigh || (c.field == F::Rule && c.zone != Z::Shown);
}

}  // namespace

std::span<const Column> gridColumns() { return kGridColumnTable; }
std::span<const Column> ctb2Columns() { return kCtb2ColumnTable; }

bool columnApplies(const Column& c, const Entry& e) { return e.kind() == TableKind::Ctb2 || !onlyCtb2(c); }

Zone columnZone(const Column& c, Zone shown) {
    switch (c.zone) {
        case Z::Low: return Zone::Low;
        case Z::Middle: return Zone::Middle;
        case Z::High: return Zone::High;
        case Z::Shown: break;
    }
    return shown;
}

std::string headingText(const Column& c, const base::Language& language) {
    return c.textId != 0 ? language.text(c.textId, c.heading) : std::string(c.heading);
}

std::string cellText(const Entry& e, const Column& c, std::uint32_t row, Zone shown, const base::Language& language) {
    if (!columnApplies(c, e)) return {};
    switch (c.field) {
        case F::Number: return std::to_string(row) + (e.kind() == TableKind::Ctab && e.length != 27 ? "*" : "");
        case F::Section: return e.section;
        case F::Track: return std::to_string(e[Track] + 1);
        case F::Name: return e.name();
        case F::MidiChan: return std::to_string(e[MidiChan] + 1);
        case F::ChordRoot: return std::string(valueName(keyNames(), e[ChordRoot]));
        case F::ChordType: return std::string(valueName(chordTypeNames(), e[ChordType]));
        case F::Rule: return ruleText(e, columnZone(c, shown), c.rule);
        case F::NoteMute: return isFull(noteMaskOf(e)) ? language.text(170, "None") : language.text(171, "SEL");
        case F::ChordMute: return isFull(chordMaskOf(e)) ? language.text(170, "None") : language.text(171, "SEL");
        case F::AutoStart: return e.autoStart() ? language.text(172, "Yes") : std::string();
        case F::Cntt: return e.hasCntt ? std::to_string(e.cntt) : std::string();
        case F::ReadOnly: return e[ReadOnly] != 0 ? language.text(172, "Yes") : std::string();
        case F::MiddleLow: return document::noteName(e[MiddleLow]);
        case F::MiddleHigh: return document::noteName(e[MiddleHigh]);
    }
    return {};
}

std::optional<int> columnByte(const Entry& e, const Column& c, Zone shown) {
    if (!columnApplies(c, e)) return std::nullopt;
    switch (c.field) {
        case F::Track: return Track;
        case F::MidiChan: return MidiChan;
        case F::ChordRoot: return ChordRoot;
        case F::ChordType: return ChordType;
        case F::Rule: return ruleOffset(e.kind(), columnZone(c, shown), c.rule);
        case F::ReadOnly: return ReadOnly;
        case F::MiddleLow: return MiddleLow;
        case F::MiddleHigh: return MiddleHigh;
        default: return std::nullopt;
    }
}

GridCells gridHeaders(const base::Language& language) {
    GridCells cells;
    for (std::size_t i = 0; i < cells.size(); ++i) cells[i] = headingText(kGridColumnTable[i], language);
    return cells;
}

GridCells gridCells(const Entry& e, std::uint32_t row, Zone shown, const base::Language& language) {
    GridCells cells;
    for (std::size_t i = 0; i < cells.size(); ++i) cells[i] = cellText(e, kGridColumnTable[i], row, shown, language);
    return cells;
}

Ctb2Cells ctb2Cells(const Entry& e, const base::Language& language) {
    Ctb2Cells cells;
    for (std::size_t i = 0; i < cells.size(); ++i) cells[i] = cellText(e, kCtb2ColumnTable[i], 0, Zone::Middle, language);
    return cells;
}

}  // namespace casm

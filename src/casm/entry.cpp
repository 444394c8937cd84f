#include "casm/entry.h"

#include <algorithm>

namespace casm {
namespace {

constexpr std::array<ByteField, 27> kCtabFields = {{
    {"Track", Track},           {"MidiChan", MidiChan},     {"ReadOnly", ReadOnly},
    {"NoteMute1", NoteMute1},   {"NoteMute0", NoteMute0},   {"ChordMute4", ChordMute4},
    {"ChordMute3", ChordMute3}, {"ChordMute2", ChordMute2}, {"ChordMute1", ChordMute1},
    {"ChordMute0", ChordMute0}, {"ChordRoot", ChordRoot},   {"ChordType", ChordType},
    {"NTR", NTR},               {"NTT", NTT},               {"HighestKey", HighestKey},
    {"LowLimit", LowLimit},     {"HighLimit", HighLimit},   {"RTR", RTR},
    {"unkn26", 26},             {"unkn27", 27},             {"unkn28", 28},
    {"unkn29", 29},             {"unkn30", 30},             {"unkn31", 31},
    {"unkn32", 32},             {"unkn33", 33},             {"unkn34", 34},
}};
// 27 named bytes; the name takes the other 8 of the 35.

constexpr std::array<ByteField, 39> kCtb2Fields = {{
    {"Track", Track},
    {"MidiChan", MidiChan},
    {"ReadOnly", ReadOnly},
    {"NoteMute1", NoteMute1},
    {"NoteMute0", NoteMute0},
    {"ChordMute4", ChordMute4},
    {"ChordMute3", ChordMute3},
    {"ChordMute2", ChordMute2},
    {"ChordMute1", ChordMute1},
    {"ChordMute0", ChordMute0},
    {"ChordRoot", ChordRoot},
    {"ChordType", ChordType},
    {"MiddleLow", MiddleLow},
    {"MiddleHigh", MiddleHigh},
    {"Low.NTR", LowZone + 0},
    {"Low.NTT", LowZone + 1},
    {"Low.HighestKey", LowZone + 2},
    {"Low.LowLimit", LowZone + 3},
    {"Low.HighLimit", LowZone + 4},
    {"Low.RTR", LowZone + 5},
    {"Middle.NTR", MiddleZone + 0},
    {"Middle.NTT", MiddleZone + 1},
    {"Middle.HighestKey", MiddleZone + 2},
    {"Middle.LowLimit", MiddleZone + 3},
    {"Middle.HighLimit", MiddleZone + 4},
    {"Middle.RTR", MiddleZone + 5},
    {"High.NTR", HighZone + 0},
    {"High.NTT", HighZone + 1},
    {"High.HighestKey", HighZone + 2},
    {"High.LowLimit", HighZone + 3},
    {"High.HighLimit", HighZone + 4},
    {"High.RTR", HighZone + 5},
    {"unkn40", 40},
    {"unkn41", 41},
    {"unkn42", 42},
    {"unkn43", 43},
    {"unkn44", 44},
    {"unkn45", 45},
    {"unkn46", 46},
}};
// 39 named bytes; the name takes the other 8 of the 47.

constexpr std::array<int, kZoneCount> kZoneOffsets = {LowZone, MiddleZone, HighZone};

// A record is the entry area (as wide as the kind's longest entry) followed
// by the same tail for both kinds; these are the tail's offsets.
constexpr std::size_t kLengthAt = 0;
constexpr std::size_t kSectionAt = 1;
constexpr std::size_t kChangedAt = 34;
constexpr std::size_t kRowAt = 37;
constexpr std::size_t kMarkAt = 41;
constexpr std::size_t kHasCnttAt = 42;
constexpr std::size_t kCnttAt = 43;

std::size_t entryArea(TableKind kind) { return kind == TableKind::Ctb2 ? kCtb2Length : kMaxCtabLength; }
std::size_t recordSize(TableKind kind) { return kind == TableKind::Ctb2 ? kCtb2RecordSize : kRecordSize; }

}  // namespace

bool validCtabLength(int length) { return length == 27 || length == 31 || length == 33 || length == 35; }

std::optional<TableKind> kindOfLength(int length) {
    if (validCtabLength(length)) return TableKind::Ctab;
    if (length == static_cast<int>(kCtb2Length)) return TableKind::Ctb2;
    return std::nullopt;
}

std::string_view chunkTag(TableKind kind) { return kind == TableKind::Ctb2 ? "Ctb2" : "Ctab"; }

std::string_view kindLabel(TableKind kind) { return kind == TableKind::Ctb2 ? "Ctb2 (SFF2)" : "Ctab (SFF1)"; }

int ruleOffset(TableKind kind, Zone zone, Rule rule) {
    const int base = kind == TableKind::Ctb2 ? kZoneOffsets[static_cast<std::size_t>(zone)] : NTR;
    return base + static_cast<int>(rule);
}

std::span<const ByteField> byteFields(TableKind kind) {
    if (kind == TableKind::Ctb2) return kCtb2Fields;
    return kCtabFields;
}

std::uint8_t nameByte(std::uint8_t c) { return (c < 0x20 || c >= 0x80) ? std::uint8_t{' '} : c; }

std::string fitName(std::string_view text) {
    std::string name(kNameLength, ' ');
    for (std::size_t i = 0; i < kNameLength && i < text.size(); ++i)
        name[i] = static_cast<char>(nameByte(static_cast<std::uint8_t>(text[i])));
    return name;
}

std::string Entry::name() const { return std::string(ctab.begin() + Name, ctab.begin() + Name + kNameLength); }

void Entry::setName(std::string_view text) {
    const std::string fitted = fitName(text);
    std::copy(fitted.begin(), fitted.end(), ctab.begin() + Name);
}

void Entry::setAutoStart(bool on) {
    if (on)
        ctab[ChordMute4] = static_cast<std::uint8_t>(ctab[ChordMute4] | kAutoStartBit);
    else
        ctab[ChordMute4] = static_cast<std::uint8_t>(ctab[ChordMute4] & ~kAutoStartBit);
}

Entry unmutedEntry(TableKind kind) {
    Entry e;
    if (kind == TableKind::Ctb2) {
        e.length = kCtb2Length;
        e[MiddleHigh] = 127;
    }
    e[NoteMute1] = 0x0F;
    e[NoteMute0] = 0xFF;
    e[ChordMute4] = 0x03;
    for (int f = ChordMute3; f <= ChordMute0; ++f) e[f] = 0xFF;
    for (int z = 0; z < kZoneCount; ++z) e.setRule(static_cast<Zone>(z), Rule::HighLimit, 127);
    return e;
}

Entry newEntry() {
    Entry e = unmutedEntry();
    e[ChordType] = 2;
    e[NTT] = 2;
    e[HighestKey] = 7;
    e[RTR] = 1;
    return e;
}

std::vector<std::uint8_t> toRecord(const Entry& e) {
    const TableKind kind = e.kind();
    const std::size_t area = entryArea(kind);
    std::vector<std::uint8_t> r(recordSize(kind), 0);
    std::copy_n(e.ctab.begin(), std::min<std::size_t>(e.length, area), r.begin());
    r[area + kLengthAt] = e.length;
    const std::size_t n = std::min(e.section.size(), kMaxSectionName);
    std::copy_n(e.section.begin(), n, r.begin() + static_cast<std::ptrdiff_t>(area + kSectionAt));
    r[area + kChangedAt] = e.changed ? 1 : 0;
    for (std::size_t i = 0; i < 4; ++i) r[area + kRowAt + i] = static_cast<std::uint8_t>(e.row >> (8 * i));
    r[area + kMarkAt] = e.marked ? 1 : 0;
    r[area + kHasCnttAt] = e.hasCntt ? 1 : 0;
    r[area + kCnttAt] = e.cntt;
    return r;
}

namespace {

// The record padded (or cut) to the size of its kind.
std::vector<std::uint8_t> normalRecord(std::span<const std::uint8_t> record, TableKind kind) {
    std::vector<std::uint8_t> r(recordSize(kind), 0);
    std::copy_n(record.begin(), std::min(record.size(), r.size()), r.begin());
    return r;
}

TableKind recordKind(std::span<const std::uint8_t> record) {
    return record.size() == kCtb2RecordSize ? TableKind::Ctb2 : TableKind::Ctab;
}

}  // namespace

std::optional<std::string> recordFault(std::span<const std::uint8_t> record) {
    const TableKind kind = recordKind(record);
    const std::size_t area = entryArea(kind);
    const auto r = normalRecord(record, kind);
    const int length = r[area + kLengthAt];
    if (kindOfLength(length) != kind)
        return "Byte " + std::to_string(area + kLengthAt) + " (the entry length) holds " + std::to_string(length) +
               (kind == TableKind::Ctb2 ? "; a Ctb2 entry is 47 bytes long."
                                        : "; a Ctab entry is 27, 31, 33 or 35 bytes long.");
    if (r[Track] > 15) return "Byte 0 (the source channel) holds " + std::to_string(r[Track]) + "; it must be 0 to 15.";
    if (r[area + kSectionAt] == 0) return "The section name at byte " + std::to_string(area + kSectionAt) + " is empty.";
    return std::nullopt;
}

std::optional<Entry> fromRecord(std::span<const std::uint8_t> record) {
    if (recordFault(record)) return std::nullopt;
    const TableKind kind = recordKind(record);
    const std::size_t area = entryArea(kind);
    const auto r = normalRecord(record, kind);
    Entry e;
    e.length = r[area + kLengthAt];
    std::copy_n(r.begin(), e.length, e.ctab.begin());
    const auto* section = r.data() + area + kSectionAt;
    e.section.assign(section, std::find(section, section + kMaxSectionName, std::uint8_t{0}));
    e.changed = r[area + kChangedAt] != 0;
    for (std::size_t i = 0; i < 4; ++i) e.row |= static_cast<std::uint32_t>(r[area + kRowAt + i]) << (8 * i);
    e.marked = r[area + kMarkAt] != 0;
    e.hasCntt = r[area + kHasCnttAt] != 0;
    e.cntt = r[area + kCnttAt];
    return e;
}

}  // namespace casm

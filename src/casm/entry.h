#pragma once
// The entry record: one channel table entry (the rules of one source
// channel) paired with its section name, flags, grid row and Cntt value.
// An entry is of one of two kinds, fixed by its length: a "Ctab" entry of
// SFF1 styles (27, 31, 33 or 35 bytes) or a "Ctb2" entry of SFF2 styles
// (47 bytes). Its record form is the content of a ".Ctab" or ".Ctb2" file.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace casm {

enum class TableKind : std::uint8_t { Ctab, Ctb2 };

// Offsets of the fields both kinds share (0-19) and of the Ctab rules.
enum Field : int {
    Track = 0,
    Name = 1,  // 8 bytes
    MidiChan = 9,
    ReadOnly = 10,
    NoteMute1 = 11,
    NoteMute0 = 12,
    ChordMute4 = 13,
    ChordMute3 = 14,
    ChordMute2 = 15,
    ChordMute1 = 16,
    ChordMute0 = 17,
    ChordRoot = 18,
    ChordType = 19,
    NTR = 20,
    NTT = 21,
    HighestKey = 22,
    LowLimit = 23,
    HighLimit = 24,
    RTR = 25,
    unkn26 = 26,
};

// Offsets of the Ctb2 fields past the shared ones: the bounds of the middle
// note range, then one block of rules per zone, then seven bytes carried
// unchanged.
enum Ctb2Field : int {
    MiddleLow = 20,
    MiddleHigh = 21,
    LowZone = 22,
    MiddleZone = 28,
    HighZone = 34,
    unkn40 = 40,
};

// The six rule bytes in the order both kinds store them: a Ctab entry has
// one block at NTR, a Ctb2 entry one block per zone.
enum class Rule : int { NTR = 0, NTT, HighestKey, LowLimit, HighLimit, RTR };
enum class Zone : int { Low = 0, Middle, High };
inline constexpr int kRuleCount = 6;
inline constexpr int kZoneCount = 3;

inline constexpr std::size_t kNameLength = 8;
inline constexpr std::size_t kMaxCtabLength = 35;
inline constexpr std::size_t kCtb2Length = 47;
inline constexpr std::size_t kMaxEntryLength = kCtb2Length;
inline constexpr std::size_t kRecordSize = 80;      // a ".Ctab" record
inline constexpr std::size_t kCtb2RecordSize = 92;  // a ".Ctb2" record
inline constexpr std::size_t kMaxSectionName = 31;
inline constexpr std::uint8_t kAutoStartBit = 0x04;
inline constexpr std::uint8_t kBassBit = 0x80;  // in a Ctb2 NTT byte

// 27, 31, 33 or 35.
bool validCtabLength(int length);
// The kind of an entry of `length` bytes: a Ctab length or 47; nothing else.
std::optional<TableKind> kindOfLength(int length);
// "Ctab" or "Ctb2": the chunk tag of the kind.
std::string_view chunkTag(TableKind kind);
// "Ctab (SFF1)" or "Ctb2 (SFF2)", for messages.
std::string_view kindLabel(TableKind kind);

// Byte offset of `rule` in an entry of `kind`; a Ctab entry has one block
// of rules, whatever the zone.
int ruleOffset(TableKind kind, Zone zone, Rule rule);

// A named byte of the entry, in entry order (every byte but the name's).
struct ByteField {
    std::string_view name;
    int offset;
};
// Ctab: "Track", "MidiChan", ..., "RTR", "unkn26" to "unkn34".
// Ctb2: "Track", ... "ChordType", "MiddleLow", "MiddleHigh", "Low.NTR" to
// "Low.RTR", "Middle.NTR" to "Middle.RTR", "High.NTR" to "High.RTR",
// "unkn40" to "unkn46".
std::span<const ByteField> byteFields(TableKind kind = TableKind::Ctab);

struct Entry {
    std::array<std::uint8_t, kMaxEntryLength> ctab{};  // bytes past `length` stay zero
    std::uint8_t length = 27;
    std::string section;
    bool changed = false;
    std::uint32_t row = 0;
    bool marked = false;
    bool hasCntt = false;
    std::uint8_t cntt = 0;

    std::uint8_t operator[](int offset) const { return ctab[static_cast<std::size_t>(offset)]; }
    std::uint8_t& operator[](int offset) { return ctab[static_cast<std::size_t>(offset)]; }
    std::span<const std::uint8_t> bytes() const { return {ctab.data(), length}; }
    TableKind kind() const { return length == kCtb2Length ? TableKind::Ctb2 : TableKind::Ctab; }
    std::string name() const;
    void setName(std::string_view text);  // see fitName
    bool autoStart() const { return (ctab[ChordMute4] & kAutoStartBit) != 0; }
    void setAutoStart(bool on);
    // A rule of a zone (of the one block of a Ctab entry).
    std::uint8_t rule(Zone zone, Rule r) const { return (*this)[ruleOffset(kind(), zone, r)]; }
    void setRule(Zone zone, Rule r, std::uint8_t value) { (*this)[ruleOffset(kind(), zone, r)] = value; }

    friend bool operator==(const Entry&, const Entry&) = default;
};

// All zero but for full note and chord masks, high limits 127 and, for a
// Ctb2 entry, the middle range 0-127: what a pasted entry holds where its
// clipboard section says nothing.
Entry unmutedEntry(TableKind kind = TableKind::Ctab);
// The record every new entry starts from: nothing muted, AutoStart off,
// C Maj7, transposed as a chord, highest key G, full note range, PitchShift.
Entry newEntry();

// The record of an entry: 80 bytes for a Ctab entry, 92 for a Ctb2 entry.
std::vector<std::uint8_t> toRecord(const Entry& entry);
// Why a record cannot be taken, naming the byte that is wrong, or nothing
// when fromRecord takes it.
std::optional<std::string> recordFault(std::span<const std::uint8_t> record);
// An entry from a record: one of 92 bytes is a Ctb2 record; any other is
// read as a Ctab record, bytes missing from a short one counting as zero.
// Refused (nothing) when the length byte is not one of the kind's lengths,
// `Track` is above 15 or the section name is empty: such a record would
// break the next save.
std::optional<Entry> fromRecord(std::span<const std::uint8_t> record);

// A name as 8 characters: padded with spaces or cut, and every character
// below 0x20 or at or above 0x80 made a space.
std::string fitName(std::string_view text);
// The byte a name character is stored as.
std::uint8_t nameByte(std::uint8_t c);

}  // namespace casm

#pragma once
// The entry record: one Ctab entry (the rules of one source channel) paired
// with its section name, flags, grid row and Cntt value. Its 80-byte form is
// the content of a ".Ctab" file.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace casm {

// Offsets of the Ctab entry's fields.
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

inline constexpr std::size_t kNameLength = 8;
inline constexpr std::size_t kMaxCtabLength = 35;
inline constexpr std::size_t kRecordSize = 80;
inline constexpr std::size_t kMaxSectionName = 31;
inline constexpr std::uint8_t kAutoStartBit = 0x04;

// 27, 31, 33 or 35.
bool validCtabLength(int length);

// A named byte of the Ctab entry, in entry order (every byte but the name's).
struct ByteField {
    std::string_view name;
    int offset;
};
// "Track", "MidiChan", ..., "RTR", "unkn26" to "unkn34".
std::span<const ByteField> byteFields();

struct Entry {
    std::array<std::uint8_t, kMaxCtabLength> ctab{};  // bytes past `length` stay zero
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
    std::string name() const;
    void setName(std::string_view text);  // see fitName
    bool autoStart() const { return (ctab[ChordMute4] & kAutoStartBit) != 0; }
    void setAutoStart(bool on);

    friend bool operator==(const Entry&, const Entry&) = default;
};

// All zero but for full note and chord masks and the high limit 127: what
// a pasted entry holds where its clipboard section says nothing.
Entry unmutedEntry();
// The record every new entry starts from: nothing muted, AutoStart off,
// C Maj7, transposed as a chord, highest key G, full note range, PitchShift.
Entry newEntry();

// The 80-byte record of an entry.
std::array<std::uint8_t, kRecordSize> toRecord(const Entry& entry);
// An entry from a record; bytes missing from a short record count as zero.
// Refused (nothing) when the length byte is not a Ctab length, `Track` is
// above 15 or the section name is empty: such a record would break the next save.
std::optional<Entry> fromRecord(std::span<const std::uint8_t> record);

// A name as 8 characters: padded with spaces or cut, and every character
// below 0x20 or at or above 0x80 made a space.
std::string fitName(std::string_view text);
// The byte a name character is stored as.
std::uint8_t nameByte(std::uint8_t c);

}  // namespace casm

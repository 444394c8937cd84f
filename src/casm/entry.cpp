#include "casm/entry.h"

#include <algorithm>

namespace casm {
namespace {

constexpr std::array<ByteField, 27> kByteFields = {{
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

// Record layout behind the 35 Ctab bytes.
constexpr std::size_t kLengthAt = 35;
constexpr std::size_t kSectionAt = 36;
constexpr std::size_t kChangedAt = 69;
constexpr std::size_t kRowAt = 72;
constexpr std::size_t kMarkAt = 76;
constexpr std::size_t kHasCnttAt = 77;
constexpr std::size_t kCnttAt = 78;

}  // namespace

bool validCtabLength(int length) { return length == 27 || length == 31 || length == 33 || length == 35; }

std::span<const ByteField> byteFields() { return kByteFields; }

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

Entry unmutedEntry() {
    Entry e;
    e[NoteMute1] = 0x0F;
    e[NoteMute0] = 0xFF;
    e[ChordMute4] = 0x03;
    for (int f = ChordMute3; f <= ChordMute0; ++f) e[f] = 0xFF;
    e[HighLimit] = 127;
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

std::array<std::uint8_t, kRecordSize> toRecord(const Entry& e) {
    std::array<std::uint8_t, kRecordSize> r{};
    std::copy_n(e.ctab.begin(), e.length <= kMaxCtabLength ? e.length : kMaxCtabLength, r.begin());
    r[kLengthAt] = e.length;
    const std::size_t n = std::min(e.section.size(), kMaxSectionName);
    std::copy_n(e.section.begin(), n, r.begin() + kSectionAt);
    r[kChangedAt] = e.changed ? 1 : 0;
    for (std::size_t i = 0; i < 4; ++i) r[kRowAt + i] = static_cast<std::uint8_t>(e.row >> (8 * i));
    r[kMarkAt] = e.marked ? 1 : 0;
    r[kHasCnttAt] = e.hasCntt ? 1 : 0;
    r[kCnttAt] = e.cntt;
    return r;
}

std::optional<Entry> fromRecord(std::span<const std::uint8_t> record) {
    std::array<std::uint8_t, kRecordSize> r{};
    std::copy_n(record.begin(), std::min(record.size(), kRecordSize), r.begin());
    Entry e;
    e.length = r[kLengthAt];
    if (!validCtabLength(e.length) || r[Track] > 15) return std::nullopt;
    std::copy_n(r.begin(), e.length, e.ctab.begin());
    const auto* section = r.data() + kSectionAt;
    e.section.assign(section, std::find(section, section + kMaxSectionName, std::uint8_t{0}));
    if (e.section.empty()) return std::nullopt;
    e.changed = r[kChangedAt] != 0;
    for (std::size_t i = 0; i < 4; ++i) e.row |= static_cast<std::uint32_t>(r[kRowAt + i]) << (8 * i);
    e.marked = r[kMarkAt] != 0;
    e.hasCntt = r[kHasCnttAt] != 0;
    e.cntt = r[kCnttAt];
    return e;
}

}  // namespace casm

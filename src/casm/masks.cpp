#include "casm/masks.h"

#include <string>

namespace casm {
namespace {

constexpr std::uint8_t kChordByte0Bits = 0x03;
constexpr std::uint8_t kNoteByte0Bits = 0x0F;

template <std::size_t N>
bool testMaskBit(const std::array<std::uint8_t, N>& mask, int n) {
    if (n < 0 || n >= static_cast<int>(N * 8)) return false;
    return (mask[N - 1 - static_cast<std::size_t>(n / 8)] >> (n % 8) & 1) != 0;
}

template <std::size_t N>
void setMaskBit(std::array<std::uint8_t, N>& mask, int n, bool on) {
    if (n < 0 || n >= static_cast<int>(N * 8)) return;
    auto& byte = mask[N - 1 - static_cast<std::size_t>(n / 8)];
    const auto bit = static_cast<std::uint8_t>(1u << (n % 8));
    byte = static_cast<std::uint8_t>(on ? byte | bit : byte & ~bit);
}

void readMask(const base::Profile& p, const std::string& prefix, ChordMask& mask) {
    for (std::size_t i = 0; i < mask.size(); ++i)
        mask[i] = static_cast<std::uint8_t>(p.readInt("ChordMute", prefix + "Byte" + std::to_string(i), mask[i]));
}

void writeMask(base::Profile& p, const std::string& prefix, const ChordMask& mask) {
    for (std::size_t i = 0; i < mask.size(); ++i)
        p.writeInt("ChordMute", prefix + "Byte" + std::to_string(i), mask[i]);
}

}  // namespace

bool testBit(const ChordMask& mask, int n) { return testMaskBit(mask, n); }
void setBit(ChordMask& mask, int n, bool on) { setMaskBit(mask, n, on); }
bool testBit(const NoteMask& mask, int n) { return testMaskBit(mask, n); }
void setBit(NoteMask& mask, int n, bool on) { setMaskBit(mask, n, on); }

bool isFull(const ChordMask& m) {
    return (m[0] & kChordByte0Bits) == kChordByte0Bits && m[1] == 0xFF && m[2] == 0xFF && m[3] == 0xFF &&
           m[4] == 0xFF;
}
ChordMask fullChordMask() { return {kChordByte0Bits, 0xFF, 0xFF, 0xFF, 0xFF}; }
ChordMask emptyChordMask() { return {}; }

ChordMask inverted(const ChordMask& m) {
    ChordMask out = m;
    out[0] &= kChordByte0Bits;
    for (int n = 0; n < kChordTypes; ++n) setBit(out, n, !testBit(out, n));
    return out;
}

bool isFull(const NoteMask& m) { return (m[0] & kNoteByte0Bits) == kNoteByte0Bits && m[1] == 0xFF; }
NoteMask fullNoteMask() { return {kNoteByte0Bits, 0xFF}; }
NoteMask emptyNoteMask() { return {}; }

ChordMask chordMaskOf(const Entry& e) {
    return {static_cast<std::uint8_t>(e[ChordMute4] & kChordByte0Bits), e[ChordMute3], e[ChordMute2],
            e[ChordMute1], e[ChordMute0]};
}

NoteMask noteMaskOf(const Entry& e) {
    return {static_cast<std::uint8_t>(e[NoteMute1] & kNoteByte0Bits), e[NoteMute0]};
}

bool storeChordMask(Entry& e, const ChordMask& mask) {
    ChordMask bytes = mask;
    bytes[0] = static_cast<std::uint8_t>((mask[0] & kChordByte0Bits) | (e.autoStart() ? kAutoStartBit : 0));
    bool changed = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        auto& b = e.ctab[ChordMute4 + i];
        changed = changed || b != bytes[i];
        b = bytes[i];
    }
    return changed;
}

bool storeNoteMask(Entry& e, const NoteMask& mask) {
    const NoteMask bytes = {static_cast<std::uint8_t>(mask[0] & kNoteByte0Bits), mask[1]};
    const bool changed = e[NoteMute1] != bytes[0] || e[NoteMute0] != bytes[1];
    e[NoteMute1] = bytes[0];
    e[NoteMute0] = bytes[1];
    return changed;
}

ChordMask ChordMutePresets::minOnlyDefault() { return {0x00, 0x00, 0x07, 0xFF, 0x00}; }
ChordMask ChordMutePresets::majOnlyDefault() { return {0x03, 0xFF, 0xF8, 0x00, 0xFF}; }

void ChordMutePresets::resetMinMaj() {
    minOnly = minOnlyDefault();
    majOnly = majOnlyDefault();
}

ChordMutePresets readChordMutePresets(const base::Profile& settings) {
    ChordMutePresets p;
    for (std::size_t g = 0; g < p.user.size(); ++g) readMask(settings, "User" + std::to_string(g + 1), p.user[g]);
    readMask(settings, "Min", p.minOnly);
    readMask(settings, "Maj", p.majOnly);
    return p;
}

void writeChordMutePresets(base::Profile& settings, const ChordMutePresets& p) {
    for (std::size_t g = 0; g < p.user.size(); ++g) writeMask(settings, "User" + std::to_string(g + 1), p.user[g]);
    writeMask(settings, "Min", p.minOnly);
    writeMask(settings, "Maj", p.majOnly);
}

}  // namespace casm

#pragma once
// One byte typed and shown as a decimal or hex number, as the byte boxes of
// the CASM byte editor and the event filter take it. No value is refused: a
// number is stored modulo 256.
#include <cstdint>
#include <string>
#include <string_view>

namespace base {

// Leading white space skipped, an optional sign, then decimal digits up to
// the first other character (none gives 0); the low 8 bits.
std::uint8_t readDecimalByte(std::string_view text);
// Every character one hex digit (anything but 0-9, A-F, a-f counts as 0),
// accumulated over the whole text; the low 8 bits.
std::uint8_t readHexByte(std::string_view text);
// "%03d" or "%02X".
std::string formatByte(std::uint8_t value, bool hex);

}  // namespace base

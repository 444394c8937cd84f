#pragma once
// Byte lists typed as hex groups ended by commas ("43,10,4C,00"), the form
// of the system-exclusive and sequencer-specific entries. Unlike the grid's
// hex byte text (hex_text.h) a group may have any number of digits.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace base {

struct CommaHex {
    enum class Error { None, NotHex, TooMany };
    std::vector<std::uint8_t> bytes;
    Error error = Error::None;
    char offending = 0;  // the first character that is no hex digit (NotHex)
};

// Blanks, tabs, carriage returns and line feeds are passed over; a comma
// ends a byte, whose value is the group's last two digits (one digit is its
// own value, an empty group 00); a group after the last comma counts only
// when it holds a digit. Any other character, or more than `maxBytes` bytes
// (or a group of that many digits), is an error, and then no bytes are given.
CommaHex parseCommaHex(std::string_view text, std::size_t maxBytes);

// "43,10,4C": "%02X" for the first byte, ",%02X" for each further one.
std::string commaHexText(std::span<const std::uint8_t> bytes);
// Lines of `perLine` bytes, each byte "%02X,", joined by "\n"; the bytes
// left after the full lines (possibly none) make a last line.
std::string commaHexLines(std::span<const std::uint8_t> bytes, std::size_t perLine);

}  // namespace base

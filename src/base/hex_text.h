#pragma once
// Hex byte text: each byte as two upper-case hex digits and a space ("90 3C 64 ").
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace base {

void appendHexByte(std::string& text, std::uint8_t byte);
std::string hexText(std::span<const std::uint8_t> bytes);

// Parses three characters at a time while at least two remain; each group
// gives one byte from its first two characters, read case-insensitively,
// any other character counting as 0. There is no length limit.
std::vector<std::uint8_t> parseHex(std::string_view text);
// The same into a reused buffer (cleared first).
void parseHexInto(std::string_view text, std::vector<std::uint8_t>& out);
// Whether `text` is bytes written the way parseHex reads them with nothing
// left over: each group's two characters are hex digits, one separator
// character of any kind follows each group but perhaps the last.
bool isHexText(std::string_view text);
// How many bytes parseHex gives for `text`.
std::size_t hexByteCount(std::string_view text);
// Byte `index` of the text, or -1 when it has fewer bytes.
int hexByteAt(std::string_view text, std::size_t index);

}  // namespace base

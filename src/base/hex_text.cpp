#include "base/hex_text.h"

namespace base {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

std::uint8_t digitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
    return 0;
}

std::uint8_t groupValue(std::string_view text, std::size_t at) {
    return static_cast<std::uint8_t>(digitValue(text[at]) * 16 + digitValue(text[at + 1]));
}

}  // namespace

void appendHexByte(std::string& text, std::uint8_t byte) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
    text += ' ';
}

std::string hexText(std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() * 3);
    for (auto b : bytes) appendHexByte(text, b);
    return text;
}

bool isHexText(std::string_view text) {
    if (text.size() % 3 == 1) return false;  // a digit without its partner
    for (std::size_t at = 0; at + 1 < text.size(); at += 3)
        if (!isHexDigit(text[at]) || !isHexDigit(text[at + 1])) return false;
    return true;
}

std::size_t hexByteCount(std::string_view text) { return text.size() < 2 ? 0 : (text.size() - 2) / 3 + 1; }

void parseHexInto(std::string_view text, std::vector<std::uint8_t>& out) {
    out.clear();
    const std::size_t count = hexByteCount(text);
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) out.push_back(groupValue(text, i * 3));
}

std::vector<std::uint8_t> parseHex(std::string_view text) {
    std::vector<std::uint8_t> out;
    parseHexInto(text, out);
    return out;
}

int hexByteAt(std::string_view text, std::size_t index) {
    if (index >= hexByteCount(text)) return -1;
    return groupValue(text, index * 3);
}

}  // namespace base

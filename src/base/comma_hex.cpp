#include "base/comma_hex.h"

#include "base/hex_text.h"

namespace base {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

CommaHex failed(CommaHex::Error error, char offending = 0) {
    CommaHex out;
    out.error = error;
    out.offending = offending;
    return out;
}

}  // namespace

CommaHex parseCommaHex(std::string_view text, std::size_t maxBytes) {
    CommaHex out;
    int previous = 0;
    int last = 0;
    std::size_t digits = 0;
    auto endByte = [&] {
        out.bytes.push_back(static_cast<std::uint8_t>(digits >= 2 ? previous * 16 + last : digits == 1 ? last : 0));
        previous = last = 0;
        digits = 0;
        return out.bytes.size() <= maxBytes;
    };
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
        if (c == ',') {
            if (!endByte()) return failed(CommaHex::Error::TooMany);
            continue;
        }
        const int digit = hexDigit(c);
        if (digit < 0) return failed(CommaHex::Error::NotHex, c);
        previous = last;
        last = digit;
        if (++digits >= maxBytes && maxBytes > 0) return failed(CommaHex::Error::TooMany);
    }
    if (digits > 0 && !endByte()) return failed(CommaHex::Error::TooMany);
    return out;
}

std::string commaHexText(std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() * 3);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) text += ',';
        appendHexByte(text, bytes[i]);
        text.pop_back();  // the blank of the grid's form
    }
    return text;
}

std::string commaHexLines(std::span<const std::uint8_t> bytes, std::size_t perLine) {
    std::string text;
    text.reserve(bytes.size() * 3 + bytes.size() / (perLine ? perLine : 1) + 1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        appendHexByte(text, bytes[i]);
        text.back() = ',';
        if (perLine && (i + 1) % perLine == 0) text += '\n';
    }
    return text;
}

}  // namespace base

#include "base/byte_text.h"

#include <cstdio>

namespace base {

std::uint8_t readDecimalByte(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    unsigned value = 0;  // kept modulo 256, which is all that is stored
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = (value * 10 + static_cast<unsigned>(text[i] - '0')) & 0xFF;
    return static_cast<std::uint8_t>(negative ? (256 - value) & 0xFF : value);
}

std::uint8_t readHexByte(std::string_view text) {
    unsigned value = 0;
    for (char c : text) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
        value = (value * 16 + digit) & 0xFF;
    }
    return static_cast<std::uint8_t>(value);
}

std::string formatByte(std::uint8_t value, bool hex) {
    char text[8];
    std::snprintf(text, sizeof text, hex ? "%02X" : "%03d", value);
    return text;
}

}  // namespace base

#include "document/event_cells.h"

#include <charconv>

namespace document {

std::string mbtText(std::uint64_t t, std::uint16_t division, int barNumerator) {
    if (division == 0) return {};
    const std::uint64_t d = division;
    const std::uint64_t b = barNumerator == 0 ? 4 : static_cast<std::uint64_t>(barNumerator);
    const std::uint64_t measure = t / d / b + 1;
    const std::uint64_t r = t % (d * b);
    const std::uint64_t beat = r / d + 1;
    const std::uint64_t tick = r % d;
    char buffer[64];
    char* p = std::to_chars(buffer, buffer + 24, measure).ptr;
    *p++ = ':';
    if (beat < 10) *p++ = '0';
    p = std::to_chars(p, p + 24, beat).ptr;
    *p++ = ':';
    p = std::to_chars(p, p + 24, tick).ptr;
    return std::string(buffer, p);
}

}  // namespace document

#include "document/document.h"

#include <charconv>

namespace document {

std::uint32_t tickOf(const EventRow& row) { return tickOf(row.cell(ColTick)); }

std::uint32_t tickOf(std::string_view text) {
    std::uint32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

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

void computeMbt(EventList& events, std::uint16_t division, int& barNumerator) {
    if (barNumerator == 0) barNumerator = 4;
    std::uint64_t t = 0;
    for (int r = 1; r < events.rowCount(); ++r) {
        auto& row = events.row(r);
        t += tickOf(row);
        const std::string text = mbtText(t, division, barNumerator);
        if (row.cell(ColMbt) != text) row.setCell(ColMbt, text);
    }
}

}  // namespace document

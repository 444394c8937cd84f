#pragma once
// The open document's MIDI part and the values the reader keeps beside it.
// The CASM section and the add part live in the workspace's working files.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/event_cells.h"
#include "document/event_list.h"

namespace document {

// One record per MIDI channel.
struct ChannelUsage {
    std::uint8_t used = 0;
    std::uint8_t bankMsb = 0;
    std::uint8_t bankLsb = 0;
    std::uint8_t program = 255;  // 255 = none
    std::uint32_t noteOns = 0;
    std::uint32_t programRow = 0;  // 0 = none
    std::uint32_t bankMsbRow = 0;
    std::uint32_t bankLsbRow = 0;

    int bank() const { return bankMsb * 128 + bankLsb; }
};
using ChannelTable = std::array<ChannelUsage, 16>;

struct Document {
    EventList events;
    std::uint16_t format = 0;
    std::uint16_t trackCount = 0;
    std::uint16_t division = 0;
    int barNumerator = 0;     // of the last time signature read; 0 counts as 4
    std::uint32_t tempo = 0;  // of the last tempo event read
    ChannelTable channels{};
    std::vector<std::string> markers;  // texts of FF 06, in file order
    std::vector<std::string> texts;    // texts of FF 01-05 and FF 07
    std::string fileName;              // the file last opened, as given

    TimeBase timeBase() const { return {division, barNumerator}; }
};

// "SFF1", "SFF2" and "SInt" mark the style's set-up part, not a section:
// the set-up is played before any section, and its markers end no section.
inline bool isSetupMarker(std::string_view text) { return text == "SFF1" || text == "SFF2" || text == "SInt"; }

// The cell text of grid row r of the document's event list.
inline std::string cellText(const Document& doc, int r, int column) {
    return cellText(doc.events, r, column, doc.timeBase());
}

}  // namespace document

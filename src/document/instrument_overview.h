#pragma once
// The per-channel instrument overview of one section of the style: which
// bank and program each channel sets there, and the names they stand for.
#include <array>
#include <string>
#include <string_view>

#include "document/document.h"
#include "names/instrument_definitions.h"

namespace document {

// Scans the rows of section `marker` into a fresh channel table. "SFF1",
// "SFF2" and "SInt" scan from the first row; another name from the row after
// its marker (an unknown name leaves the table empty). Markers "SFF1",
// "SFF2" and "SInt" are passed over; any other marker ends the section.
ChannelTable scanSection(const EventList& events, std::string_view marker);

// "DRUMS", "SFX" or the General MIDI group of the channel's bank and program.
std::string groupOf(int bank, int program);

struct OverviewRow {
    std::string bank;      // empty for an unused channel
    std::string bankName;  // the set the name came from
    std::string group;
    std::string patch;
};
// One row per channel; names through the definitions (whose bank name each lookup leaves).
std::array<OverviewRow, 16> overviewRows(const ChannelTable& channels, names::InstrumentDefinitions& definitions);

// The "Patch" column's title: the definition file's name without its folder, or "GM".
std::string patchColumnTitle(std::string_view patch, const names::InstrumentDefinitions& definitions);

}  // namespace document

#pragma once
// The event filter of "Select Events...": which rows a kind of event, a
// channel and two data-byte ranges pick, and whether they are selected or
// unselected. Its values live in section "Select" of the settings file.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/profile.h"
#include "document/event_list.h"

namespace events {

inline constexpr int kFilterKindCount = 24;

// One item of the filter's event types: the status it matches (after the
// channel is masked off for channel kinds), the meta type of FF items, and
// how many data bytes it tests against the ranges.
struct FilterKind {
    std::string_view caption;
    std::uint8_t status;
    int metaType;  // -1: none
    bool channelKind;
    int testedBytes;
};
const std::array<FilterKind, kFilterKindCount>& filterKinds();

struct EventFilter {
    bool unselect = false;  // matching rows are unselected instead of selected
    int kind = 0;           // 0 to 23
    int channel = 1;        // 1 to 16
    bool anyChannel = true;
    std::uint8_t data1Low = 0, data1High = 255;
    std::uint8_t data2Low = 0, data2High = 255;
    bool hex = false;  // the range boxes show and take hexadecimal, as the CASM byte editor's boxes do

    friend bool operator==(const EventFilter&, const EventFilter&) = default;
};

// Reads and writes "Unselect", "EventType", "SelectChan", "AnyChan",
// "Data1L", "Data1H", "Data2L", "Data2H" and "DataInHex" of section "Select";
// a kind or channel out of range reads as the default, a range value as
// itself modulo 256.
EventFilter loadEventFilter(const base::Profile& settings);
void saveEventFilter(base::Profile& settings, const EventFilter& filter);

// Whether event row r is of the filter's kind, on its channel (kinds that
// are not channel events have no channel and match any) and with its tested
// data bytes in the ranges (a tested byte the row lacks matches only the
// whole range 0 to 255).
bool matchesFilter(const document::EventList& list, int r, const EventFilter& filter);

// The event rows whose selected flag the filter changes, ascending. One pass.
std::vector<int> filterFlips(const document::EventList& list, const EventFilter& filter);

}  // namespace events

#pragma once
// The style's sections as spans of ticks, from its markers: each section
// marker starts a band that the next one ends; the last band ends with the
// list. Set-up markers ("SFF1", "SFF2", "SInt") start no band.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/event_list.h"

namespace roll {

struct SectionBand {
    std::string name;
    std::uint64_t start = 0;
    std::uint64_t end = 0;
    int markerRow = 0;
};

std::vector<SectionBand> sectionBands(const document::EventList& list);

// Adds the band a marker starts (none for a set-up marker), ending the one before.
void addBand(std::vector<SectionBand>& bands, std::span<const std::uint8_t> markerText, std::uint64_t tick, int row);
// Ends the last band at the list's end.
void endBands(std::vector<SectionBand>& bands, std::uint64_t end);

// The tick of the last event: where the list ends.
std::uint64_t endTick(const document::EventList& list);

}  // namespace roll

#include "playback/collect_events.h"

#include <algorithm>

#include "playback/row_source.h"

namespace playback {
namespace {

bool isMarker(const RowEvent& row) { return row.bytes.size() >= 2 && row.bytes[0] == 0xFF && row.bytes[1] == 0x06; }

std::string_view markerText(const RowEvent& row) {
    return {reinterpret_cast<const char*>(row.bytes.data()) + 2, row.bytes.size() - 2};
}

// The first row of the section, or 0 when its marker is not there.
int firstRow(const document::EventList& events, std::optional<std::string_view> section) {
    if (!section) return 1;
    for (int r = 1; r <= events.eventCount(); ++r) {
        const auto row = rowEvent(events, r);
        if (isMarker(row) && markerText(row) == *section) return r + 1;
    }
    return 0;
}

}  // namespace

void CollectEvents(std::vector<MidiEvent>& target, const document::EventList& events,
                   std::optional<std::string_view> section) {
    const int first = firstRow(events, section);
    if (first == 0) return;
    std::uint64_t tick = 0;
    for (int r = first; r <= events.eventCount(); ++r) {
        const auto row = rowEvent(events, r);
        if (isMarker(row)) {
            if (document::isSetupMarker(markerText(row))) continue;
            break;
        }
        tick += row.delta;
        if (row.bytes.empty()) continue;
        const std::uint8_t status = row.bytes[0];
        const auto data = row.bytes.subspan(std::min(row.eventLength, row.bytes.size()));
        if (data.empty()) continue;
        if (status >= 0x80 && status < 0xF0)
            target.push_back(MidiEvent::shortEvent(row.delta, tick, status, data[0], data.size() > 1 ? data[1] : 0));
        else if (status == 0xF7)
            target.push_back(MidiEvent::longEvent(row.delta, tick, 0xF7, data));
        else if (status == 0xF0)  // the message starts with its status byte
            target.push_back(MidiEvent::longEvent(row.delta, tick, 0xF0, row.bytes));
    }
}

std::uint64_t loopLength(const std::vector<MidiEvent>& section) {
    return section.empty() ? 0 : section.back().tick;
}

void padToBar(std::vector<MidiEvent>& section, std::uint16_t division, int barNumerator) {
    if (division == 0) return;
    const std::uint64_t length = loopLength(section);
    const std::uint64_t numerator = barNumerator <= 0 ? 4 : static_cast<std::uint64_t>(barNumerator);
    const std::uint64_t beats = (division + length - 1) / division;
    const std::uint64_t bars = beats / numerator;
    const std::uint64_t target = division * bars * numerator;
    if (length < target) section.push_back(MidiEvent::empty(static_cast<std::uint32_t>(target - length), target));
}

}  // namespace playback

#include "events/event_filter.h"

#include <span>

namespace events {
namespace {

constexpr std::string_view kSection = "Select";

constexpr std::array<FilterKind, kFilterKindCount> kKinds{{
    {"Note Off", 0x80, -1, true, 2},
    {"Note On", 0x90, -1, true, 2},
    {"Key after-touch", 0xA0, -1, true, 2},
    {"Control change", 0xB0, -1, true, 2},
    {"Program (patch) change", 0xC0, -1, true, 1},
    {"Chanel after-toch", 0xD0, -1, true, 1},
    {"Pitch wheel change", 0xE0, -1, true, 2},
    {"F0 Sysex Event", 0xF0, -1, false, 2},
    {"F7 Sysex Event", 0xF7, -1, false, 2},
    {"Text", 0xFF, 0x01, false, 0},
    {"Copyright info", 0xFF, 0x02, false, 0},
    {"Track name", 0xFF, 0x03, false, 0},
    {"Track instrument", 0xFF, 0x04, false, 0},
    {"Lyric", 0xFF, 0x05, false, 0},
    {"Marker", 0xFF, 0x06, false, 0},
    {"Cue point", 0xFF, 0x07, false, 0},
    {"MIDI Channel", 0xFF, 0x20, false, 1},
    {"MIDI Port", 0xFF, 0x21, false, 1},
    {"Track end", 0xFF, 0x2F, false, 0},
    {"Tempo", 0xFF, 0x51, false, 2},
    {"Time Signature", 0xFF, 0x58, false, 2},
    {"SMTPE Offset", 0xFF, 0x54, false, 2},
    {"Key Signature", 0xFF, 0x59, false, 2},
    {"Sequencer specific information", 0xFF, 0x7F, false, 2},
}};

std::uint8_t byteOf(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

bool inRange(std::span<const std::uint8_t> data, std::size_t i, std::uint8_t low, std::uint8_t high) {
    if (i >= data.size()) return low == 0 && high == 255;
    return data[i] >= low && data[i] <= high;
}

}  // namespace

const std::array<FilterKind, kFilterKindCount>& filterKinds() { return kKinds; }

EventFilter loadEventFilter(const base::Profile& settings) {
    EventFilter f;
    f.unselect = settings.readBool(kSection, "Unselect", f.unselect);
    const int kind = settings.readInt(kSection, "EventType", f.kind);
    if (kind >= 0 && kind < kFilterKindCount) f.kind = kind;
    const int channel = settings.readInt(kSection, "SelectChan", f.channel);
    if (channel >= 1 && channel <= 16) f.channel = channel;
    f.anyChannel = settings.readBool(kSection, "AnyChan", f.anyChannel);
    f.data1Low = byteOf(settings.readInt(kSection, "Data1L", f.data1Low));
    f.data1High = byteOf(settings.readInt(kSection, "Data1H", f.data1High));
    f.data2Low = byteOf(settings.readInt(kSection, "Data2L", f.data2Low));
    f.data2High = byteOf(settings.readInt(kSection, "Data2H", f.data2High));
    f.hex = settings.readBool(kSection, "DataInHex", f.hex);
    return f;
}

void saveEventFilter(base::Profile& settings, const EventFilter& f) {
    settings.writeBool(kSection, "Unselect", f.unselect);
    settings.writeInt(kSection, "EventType", f.kind);
    settings.writeInt(kSection, "SelectChan", f.channel);
    settings.writeBool(kSection, "AnyChan", f.anyChannel);
    settings.writeInt(kSection, "Data1L", f.data1Low);
    settings.writeInt(kSection, "Data1H", f.data1High);
    settings.writeInt(kSection, "Data2L", f.data2Low);
    settings.writeInt(kSection, "Data2H", f.data2High);
    settings.writeBool(kSection, "DataInHex", f.hex);
}

bool matchesFilter(const document::EventList& list, int r, const EventFilter& filter) {
    if (filter.kind < 0 || filter.kind >= kFilterKindCount) return false;
    const FilterKind& kind = kKinds[static_cast<std::size_t>(filter.kind)];
    const int status = list.status(r);
    if (status < 0) return false;
    if (kind.channelKind) {
        if ((status & 0xF0) != kind.status) return false;
        if (!filter.anyChannel && (status & 0x0F) + 1 != filter.channel) return false;
    } else if (status != kind.status) {
        return false;
    }
    if (kind.metaType >= 0 && list.metaType(r) != kind.metaType) return false;
    if (kind.testedBytes == 0) return true;
    const auto data = list.dataBytes(r);
    if (data.empty()) return false;
    if (!inRange(data, 0, filter.data1Low, filter.data1High)) return false;
    return kind.testedBytes < 2 || inRange(data, 1, filter.data2Low, filter.data2High);
}

std::vector<int> filterFlips(const document::EventList& list, const EventFilter& filter) {
    std::vector<int> rows;
    const bool wanted = !filter.unselect;
    for (int r = 1; r <= list.eventCount(); ++r)
        if (list.selected(r) != wanted && matchesFilter(list, r, filter)) rows.push_back(r);
    return rows;
}

}  // namespace events

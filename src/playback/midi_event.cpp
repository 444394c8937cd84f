#include "playback/midi_event.h"

namespace playback {

int shortMessageLength(std::uint8_t status) {
    if (status < 0x80) return 0;
    if (status < 0xF0) return (status & 0xE0) == 0xC0 ? 2 : 3;
    switch (status) {
        case 0xF1:
        case 0xF3: return 2;
        case 0xF2: return 3;
        case 0xF0:
        case 0xF7: return 0;
        default: return 1;
    }
}

MidiEvent MidiEvent::shortEvent(std::uint32_t delta, std::uint64_t tick, std::uint8_t status, std::uint8_t data1,
                                  std::uint8_t data2) {
    MidiEvent e;
    e.delta = delta;
    e.tick = tick;
    e.message = packMessage(status, data1, data2);
    return e;
}

MidiEvent MidiEvent::longEvent(std::uint32_t delta, std::uint64_t tick, std::uint8_t status,
                                 std::span<const std::uint8_t> bytes) {
    MidiEvent e;
    e.delta = delta;
    e.tick = tick;
    e.message = status;
    e.data.assign(bytes.begin(), bytes.end());
    return e;
}

MidiEvent MidiEvent::empty(std::uint32_t delta, std::uint64_t tick) {
    MidiEvent e;
    e.delta = delta;
    e.tick = tick;
    return e;
}

}  // namespace playback

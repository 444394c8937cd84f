#pragma once
// The playable event: a short channel message packed into 32 bits, or a
// system-exclusive message with its bytes.
#include <cstdint>
#include <span>
#include <vector>

namespace playback {

// status + data1 * 256 + data2 * 65536.
constexpr std::uint32_t packMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    return status | (std::uint32_t{data1} << 8) | (std::uint32_t{data2} << 16);
}

// How many bytes a message with this status byte has: 3 for notes, key
// pressure, controllers and pitch wheel, 2 for program and channel pressure,
// the system messages by their kind; 0 for a byte that is no status or
// starts a system-exclusive message.
int shortMessageLength(std::uint8_t status);

struct MidiEvent {
    std::uint32_t delta = 0;    // the row's Tick+
    std::uint32_t message = 0;  // packed short message; 0xF0 or 0xF7 for system exclusive; 0 = nothing to send
    std::uint64_t tick = 0;     // from the start of its list
    std::vector<std::uint8_t> data;  // the system-exclusive bytes, whole

    static MidiEvent shortEvent(std::uint32_t delta, std::uint64_t tick, std::uint8_t status, std::uint8_t data1,
                                 std::uint8_t data2);
    static MidiEvent longEvent(std::uint32_t delta, std::uint64_t tick, std::uint8_t status,
                                std::span<const std::uint8_t> bytes);
    // Sends nothing; marks where a list ends.
    static MidiEvent empty(std::uint32_t delta, std::uint64_t tick);

    bool isLong() const { return message == 0xF0 || message == 0xF7; }
    std::size_t length() const { return data.size(); }
};

}  // namespace playback

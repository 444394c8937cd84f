#include "roll/notes.h"

#include <algorithm>
#include <array>
#include <memory>

namespace roll {

NoteRole noteRole(const document::EventList& list, int r) {
    const int status = list.status(r);
    const int kind = status & 0xF0;
    if (status < 0 || (kind != 0x80 && kind != 0x90)) return NoteRole::None;
    const auto data = list.dataBytes(r);
    if (data.size() != 2) return NoteRole::None;
    return kind == 0x90 && data[1] != 0 ? NoteRole::On : NoteRole::Off;
}

std::vector<Note> pairNotes(const document::EventList& list) {
    std::vector<Note> notes;
    // Indices into `notes` of the notes waiting for their note-off, per
    // channel and key, oldest first from `head`.
    struct Queue {
        std::vector<std::size_t> items;
        std::size_t head = 0;
    };
    auto waiting = std::make_unique<std::array<Queue, 16 * 128>>();
    for (int r = 1; r <= list.eventCount(); ++r) {
        const NoteRole role = noteRole(list, r);
        if (role == NoteRole::None) continue;
        const auto data = list.dataBytes(r);
        const auto channel = static_cast<std::uint8_t>(list.status(r) & 0x0F);
        const auto key = static_cast<std::uint8_t>(data[0] & 0x7F);
        const std::uint64_t tick = list.absTick(r);
        auto& queue = (*waiting)[channel * 128u + key];
        if (role == NoteRole::On) {
            queue.items.push_back(notes.size());
            notes.push_back({tick, tick, r, 0, channel, key, static_cast<std::uint8_t>(data[1] & 0x7F)});
        } else if (queue.head == queue.items.size()) {
            notes.push_back({tick, tick, 0, r, channel, key, 0});
        } else {
            Note& note = notes[queue.items[queue.head++]];
            if (queue.head == queue.items.size()) {
                queue.items.clear();
                queue.head = 0;
            }
            note.end = tick;
            note.offRow = r;
        }
    }
    // Rows come in tick order, so the notes already are by start and row.
    return notes;
}

}  // namespace roll

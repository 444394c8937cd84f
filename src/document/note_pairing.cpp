#include "document/note_pairing.h"

#include <array>

namespace document {

NoteRole noteRole(std::span<const std::uint8_t> bytes, int eventLength) {
    if (bytes.size() != 3 || eventLength != 1) return NoteRole::None;
    const int kind = bytes[0] & 0xF0;
    if (kind != 0x80 && kind != 0x90) return NoteRole::None;
    return kind == 0x90 && bytes[2] != 0 ? NoteRole::On : NoteRole::Off;
}

// Indices into the notes of those waiting for their note-off, per channel
// and key, oldest first from `head`.
struct NotePairer::Waiting {
    struct Queue {
        std::vector<std::size_t> items;
        std::size_t head = 0;
    };
    std::array<Queue, 16 * 128> queues;
};

NotePairer::NotePairer(std::size_t rows, std::vector<PairedNote> storage)
    : notes_(std::move(storage)), waiting_(std::make_unique<Waiting>()) {
    notes_.clear();
    notes_.reserve(rows / 2);
}
NotePairer::~NotePairer() = default;

void NotePairer::add(int r, std::uint64_t tick, std::span<const std::uint8_t> bytes, int eventLength) {
    const NoteRole role = noteRole(bytes, eventLength);
    if (role == NoteRole::None) return;
    const auto channel = static_cast<std::uint8_t>(bytes[0] & 0x0F);
    const auto key = static_cast<std::uint8_t>(bytes[1] & 0x7F);
    auto& queue = waiting_->queues[channel * 128u + key];
    if (role == NoteRole::On) {
        queue.items.push_back(notes_.size());
        notes_.push_back({tick, tick, r, 0, channel, key, static_cast<std::uint8_t>(bytes[2] & 0x7F)});
    } else if (queue.head == queue.items.size()) {
        notes_.push_back({tick, tick, 0, r, channel, key, 0});
    } else {
        PairedNote& note = notes_[queue.items[queue.head++]];
        if (queue.head == queue.items.size()) {
            queue.items.clear();
            queue.head = 0;
        }
        note.end = tick;
        note.offRow = r;
    }
}

std::vector<PairedNote> pairNotes(const EventList& list) {
    NotePairer pairer(static_cast<std::size_t>(list.eventCount()));
    std::uint64_t tick = 0;
    for (int r = 1; r <= list.eventCount(); ++r) {
        tick += list.delta(r);
        pairer.add(r, tick, list.bytes(r), list.eventLength(r));
    }
    // Rows come in tick order, so the notes already are by start and row.
    return pairer.take();
}

}  // namespace document

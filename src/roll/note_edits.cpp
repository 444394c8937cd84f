#include "roll/note_edits.h"

#include <algorithm>
#include <limits>

#include "events/row_commands.h"
#include "roll/placement.h"

namespace roll {
namespace {

std::uint8_t byte(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 127)); }

// Whether the list ends its notes with note-ons of velocity 0: the way most
// of its note-offs are written.
bool offsAsZeroOns(const document::EventList& list) {
    int zeroOns = 0, offs = 0;
    for (int r = 1; r <= list.eventCount(); ++r) {
        if (noteRole(list, r) != NoteRole::Off) continue;
        ((list.status(r) & 0xF0) == 0x90 ? zeroOns : offs) += 1;
    }
    return zeroOns > offs;
}

std::vector<Placement> noteRowsAt(int channel, int key, std::uint64_t start, std::uint64_t length, int velocity,
                                  bool zeroOn) {
    auto on = document::eventRow(0, {static_cast<std::uint8_t>(0x90 | channel), byte(key), byte(velocity)});
    auto off = document::eventRow(0, {static_cast<std::uint8_t>((zeroOn ? 0x90 : 0x80) | channel), byte(key),
                                      static_cast<std::uint8_t>(zeroOn ? 0 : 64)});
    for (auto* row : {&on, &off}) row->setText(document::ColN, "Ins");
    return {{start, std::move(on)}, {start + length, std::move(off)}};
}

}  // namespace

std::vector<int> noteRows(std::span<const Note> notes) {
    std::vector<int> rows;
    rows.reserve(notes.size() * 2);
    for (const Note& n : notes)
        for (int r : {n.onRow, n.offRow})
            if (r != 0) rows.push_back(r);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

Shift allowedShift(std::span<const Note> notes, Shift wanted) {
    if (notes.empty()) return {};
    std::uint64_t earliest = std::numeric_limits<std::uint64_t>::max();
    int low = 127, high = 0;
    for (const Note& n : notes) {
        earliest = std::min(earliest, n.start);
        low = std::min<int>(low, n.key);
        high = std::max<int>(high, n.key);
    }
    Shift s = wanted;
    if (s.ticks < 0 && static_cast<std::uint64_t>(-s.ticks) > earliest) s.ticks = -static_cast<std::int64_t>(earliest);
    s.keys = std::clamp(s.keys, -low, 127 - high);
    return s;
}

document::Edit moveNotes(const document::EventList& list, std::span<const Note> notes, Shift wanted) {
    const Shift s = allowedShift(notes, wanted);
    const auto rows = noteRows(notes);
    if (s.ticks == 0) {
        document::Edit edit;
        edit.name = kTransposeNotes;
        if (s.keys == 0) return edit;
        for (int r : rows) {
            auto before = list.row(r);
            auto after = events::withNoteData(before, byte(list.dataBytes(r)[0] + s.keys), list.dataBytes(r)[1]);
            edit.replaced.push_back({r, std::move(before), std::move(after)});
        }
        return edit;
    }
    std::vector<Placement> placed;
    placed.reserve(rows.size());
    for (int r : rows) {
        const auto data = list.dataBytes(r);
        placed.push_back({static_cast<std::uint64_t>(static_cast<std::int64_t>(list.absTick(r)) + s.ticks),
                          events::withNoteData(list.row(r), byte(data[0] + s.keys), data[1])});
    }
    return placeEvents(list, rows, std::move(placed), kMoveNotes);
}

document::Edit changeLengths(const document::EventList& list, std::span<const Note> notes, std::int64_t ticks,
                             std::uint64_t minLength) {
    minLength = std::max<std::uint64_t>(minLength, 1);
    std::vector<int> rows;
    std::vector<Placement> placed;
    for (const Note& n : notes) {
        if (n.stub()) continue;
        const std::int64_t wanted = static_cast<std::int64_t>(n.length()) + ticks;
        const std::uint64_t length = std::max<std::int64_t>(wanted, static_cast<std::int64_t>(minLength));
        if (length == n.length()) continue;
        rows.push_back(n.offRow);
        placed.push_back({n.start + length, list.row(n.offRow)});
    }
    // Keep the removed rows ascending, and the placements with them.
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return rows[a] < rows[b]; });
    std::vector<int> sortedRows;
    std::vector<Placement> sortedPlaced;
    for (std::size_t i : order) {
        sortedRows.push_back(rows[i]);
        sortedPlaced.push_back(std::move(placed[i]));
    }
    return placeEvents(list, sortedRows, std::move(sortedPlaced), kNoteLength);
}

document::Edit drawNote(const document::EventList& list, int channel, int key, std::uint64_t start,
                        std::uint64_t length, int velocity) {
    return placeEvents(list, {},
                       noteRowsAt(channel & 0x0F, key, start, std::max<std::uint64_t>(length, 1),
                                  std::clamp(velocity, 1, 127), offsAsZeroOns(list)),
                       kDrawNote);
}

document::Edit deleteNotes(const document::EventList& list, std::span<const Note> notes) {
    return document::removeRows(list, noteRows(notes), kDeleteNotes);
}

document::Edit setVelocities(const document::EventList& list, std::span<const Note> notes,
                             std::span<const int> velocities) {
    document::Edit edit;
    edit.name = kVelocity;
    for (std::size_t i = 0; i < notes.size() && i < velocities.size(); ++i) {
        const int r = notes[i].onRow;
        if (r == 0) continue;
        const auto data = list.dataBytes(r);
        const auto velocity = static_cast<std::uint8_t>(std::clamp(velocities[i], 1, 127));
        if (velocity == data[1]) continue;
        auto before = list.row(r);
        auto after = events::withNoteData(before, data[0], velocity);
        edit.replaced.push_back({r, std::move(before), std::move(after)});
    }
    std::sort(edit.replaced.begin(), edit.replaced.end(),
              [](const auto& a, const auto& b) { return a.row < b.row; });
    return edit;
}

std::vector<ClipNote> copyNotes(std::span<const Note> notes) {
    std::vector<ClipNote> clip;
    if (notes.empty()) return clip;
    std::uint64_t first = std::numeric_limits<std::uint64_t>::max();
    for (const Note& n : notes) first = std::min(first, n.start);
    for (const Note& n : notes)
        if (!n.stub()) clip.push_back({n.start - first, n.length(), n.channel, n.key, n.velocity});
    return clip;
}

document::Edit pasteNotes(const document::EventList& list, std::span<const ClipNote> clip, std::uint64_t at) {
    const bool zeroOn = offsAsZeroOns(list);
    std::vector<Placement> placed;
    placed.reserve(clip.size() * 2);
    for (const ClipNote& c : clip)
        for (auto& p : noteRowsAt(c.channel, c.key, at + c.offset, c.length, c.velocity, zeroOn)) {
            p.row.selected = true;
            placed.push_back(std::move(p));
        }
    return placeEvents(list, {}, std::move(placed), kPasteNotes);
}

}  // namespace roll

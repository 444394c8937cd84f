#pragma once
// Finds the notes that lie in a span of ticks without walking all notes:
// the notes are kept by start, and the few notes much longer than the rest
// are kept apart, so a query looks only at the notes that start in the span
// or at most one "long" length before it, plus the long ones.
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "roll/notes.h"

namespace roll {

class NoteIndex {
public:
    NoteIndex() = default;
    // `notes` ordered by start, as pairNotes gives them.
    explicit NoteIndex(std::span<const Note> notes) { assign(notes); }
    // Indexes `notes` instead, in the memory the index already has.
    void assign(std::span<const Note> notes);

    // Calls `visit(i)` for the index of every note that sounds in
    // [from, to): start < to and end > from; a stub counts when its tick
    // lies in [from, to]. Short notes come in start order, then long ones.
    template <class Visit>
    void forEachIn(std::uint64_t from, std::uint64_t to, Visit visit) const;

    std::uint64_t longLength() const { return longLength_; }
    std::size_t longCount() const { return long_.size(); }

private:
    static bool meets(const Note& n, std::uint64_t from, std::uint64_t to) {
        return n.stub() ? n.start >= from && n.start <= to : n.start < to && n.end > from;
    }

    std::span<const Note> notes_;
    std::vector<std::uint32_t> short_;  // by start
    std::vector<std::uint32_t> long_;
    std::vector<std::uint64_t> lengths_;  // room to find the long ones in
    std::uint64_t longLength_ = 0;  // notes longer than this are long
};

template <class Visit>
void NoteIndex::forEachIn(std::uint64_t from, std::uint64_t to, Visit visit) const {
    const std::uint64_t earliest = from > longLength_ ? from - longLength_ : 0;
    auto it = std::lower_bound(short_.begin(), short_.end(), earliest,
                               [&](std::uint32_t i, std::uint64_t t) { return notes_[i].start < t; });
    for (; it != short_.end() && notes_[*it].start <= to; ++it)
        if (meets(notes_[*it], from, to)) visit(static_cast<std::size_t>(*it));
    for (std::uint32_t i : long_)
        if (meets(notes_[i], from, to)) visit(static_cast<std::size_t>(i));
}

}  // namespace roll

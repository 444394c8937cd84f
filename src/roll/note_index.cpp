#include "roll/note_index.h"

#include <algorithm>

namespace roll {

void NoteIndex::assign(std::span<const Note> notes) {
    notes_ = notes;
    short_.clear();
    long_.clear();
    longLength_ = 0;
    if (notes.empty()) return;
    // The length that all but about one note in a hundred stay within.
    lengths_.clear();
    for (const Note& n : notes) lengths_.push_back(n.length());
    const auto cut = lengths_.begin() + static_cast<std::ptrdiff_t>(lengths_.size() * 99 / 100);
    std::nth_element(lengths_.begin(), cut, lengths_.end());
    longLength_ = *cut;
    short_.reserve(notes.size());
    for (std::size_t i = 0; i < notes.size(); ++i)
        (notes[i].length() > longLength_ ? long_ : short_).push_back(static_cast<std::uint32_t>(i));
}

}  // namespace roll

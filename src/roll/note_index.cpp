#include "roll/note_index.h"

#include <algorithm>

namespace roll {

NoteIndex::NoteIndex(std::span<const Note> notes) : notes_(notes) {
    if (notes.empty()) return;
    // The length that all but about one note in a hundred stay within.
    std::vector<std::uint64_t> lengths;
    lengths.reserve(notes.size());
    for (const Note& n : notes) lengths.push_back(n.length());
    const auto cut = lengths.begin() + static_cast<std::ptrdiff_t>(lengths.size() * 99 / 100);
    std::nth_element(lengths.begin(), cut, lengths.end());
    longLength_ = *cut;
    short_.reserve(notes.size());
    for (std::size_t i = 0; i < notes.size(); ++i)
        (notes[i].length() > longLength_ ? long_ : short_).push_back(static_cast<std::uint32_t>(i));
}

}  // namespace roll

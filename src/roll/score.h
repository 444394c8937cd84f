#pragma once
// Everything the roll draws from one state of the document: its notes with
// their index, its bars and beats, its section bands and where it ends.
// Made again after every edit; a score never changes once made.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "document/document.h"
#include "roll/note_index.h"
#include "roll/notes.h"
#include "roll/overview.h"
#include "roll/section_bands.h"
#include "roll/time_grid.h"

namespace roll {

struct Score {
    std::vector<Note> notes;
    NoteIndex index;  // over `notes`
    NoteOverview overview;
    TimeGrid grid{96, {}};
    std::vector<SectionBand> bands;
    std::uint64_t end = 0;  // the tick of the last event

    Score() = default;
    Score(const Score&) = delete;
    Score& operator=(const Score&) = delete;
};

// `previous`, when given, lends its memory: a score made again after every
// edit of a large file then does not fetch and clear tens of megabytes anew.
std::unique_ptr<Score> scoreOf(const document::Document& doc, std::unique_ptr<Score> previous = {});

// The notes of `channels` (bit c: channel c) whose row is selected.
std::vector<Note> selectedNotes(const Score& score, const document::EventList& list, std::uint16_t channels);

// The note rows whose selected flag must flip so that exactly the notes
// for which `wanted(note)` holds are selected; other rows are left alone.
// Ascending, distinct.
template <class Wanted>
std::vector<int> selectionFlips(const Score& score, const document::EventList& list, Wanted wanted) {
    std::vector<int> rows;
    for (const Note& n : score.notes) {
        const bool on = wanted(n);
        for (int r : {n.onRow, n.offRow})
            if (r != 0 && list.selected(r) != on) rows.push_back(r);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The section band holding `tick`, or nullptr.
const SectionBand* bandAt(const Score& score, std::uint64_t tick);

}  // namespace roll

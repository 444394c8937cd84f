#pragma once
// Notes as a sequencer hears them: each note-on paired with the next
// note-off of its key and channel, first in, first out (a note-on of
// velocity 0 is a note-off). A note-on that no note-off ends, or a note-off
// that ends no note, stays as a stub, so a view can show every note row the
// list holds. Rows are grid rows (or any numbers a caller gives the
// messages it pairs); ticks are absolute.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "document/event_list.h"

namespace document {

struct PairedNote {
    std::uint64_t start = 0;
    std::uint64_t end = 0;  // a stub's end is its start
    int onRow = 0;          // 0: a note-off that ends no note
    int offRow = 0;         // 0: a note-on that no note-off ends
    std::uint8_t channel = 0;  // 0 to 15
    std::uint8_t key = 0;
    std::uint8_t velocity = 0;  // of the note-on; 0 for a lone note-off

    bool stub() const { return onRow == 0 || offRow == 0; }
    // The row that stands for the note: its note-on, or a lone note-off.
    int row() const { return onRow != 0 ? onRow : offRow; }
    std::uint64_t length() const { return end - start; }
};

// Note-on or note-off (a note-on of velocity 0 counts as one) with two data
// bytes, as a sequencer reads it.
enum class NoteRole { None, On, Off };
NoteRole noteRole(std::span<const std::uint8_t> bytes, int eventLength);
inline NoteRole noteRole(const EventList& list, int r) {
    return noteRole(list.bytes(r), list.eventLength(r));
}

// Pairs the notes of rows given one by one in list order, for a walk that
// reads the rows for more than their notes.
class NotePairer {
public:
    // `rows`: about how many rows come, to make room for their notes at
    // once; `storage`: a vector whose memory the notes may take.
    explicit NotePairer(std::size_t rows = 0, std::vector<PairedNote> storage = {});
    ~NotePairer();
    void add(int r, std::uint64_t tick, std::span<const std::uint8_t> bytes, int eventLength);
    // The notes so far, ordered by start (then by row); the pairer is spent.
    std::vector<PairedNote> take() { return std::move(notes_); }

private:
    struct Waiting;
    std::vector<PairedNote> notes_;
    std::unique_ptr<Waiting> waiting_;
};

// Every note of the list, ordered by start (then by row). One pass.
std::vector<PairedNote> pairNotes(const EventList& list);

}  // namespace document

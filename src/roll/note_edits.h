#pragma once
// The roll's gestures as edits of the event list: each gives one edit for
// the document's undo stack, named for what it did, that changes only the
// note rows it concerns and the Tick+ of the rows around them. Notes are
// given as pairNotes gives them; a stub moves with its one row.
#include <cstdint>
#include <span>
#include <vector>

#include "document/event_list.h"
#include "document/list_edit.h"
#include "roll/notes.h"

namespace roll {

inline constexpr const char* kMoveNotes = "Move Notes";
inline constexpr const char* kTransposeNotes = "Transpose Notes";
inline constexpr const char* kNoteLength = "Note Length";
inline constexpr const char* kDrawNote = "Draw Note";
inline constexpr const char* kDeleteNotes = "Delete Notes";
inline constexpr const char* kVelocity = "Velocity";
inline constexpr const char* kPasteNotes = "Paste Notes";

// How far a move may go: `ticks` and `keys` cut back so that no note starts
// before tick 0 and every key stays within 0 to 127 (the notes keep their shape).
struct Shift {
    std::int64_t ticks = 0;
    int keys = 0;
};
Shift allowedShift(std::span<const Note> notes, Shift wanted);

// Moves the notes by the shift (cut back as allowedShift does). Without a
// change of time the rows keep their places and only their keys change.
document::Edit moveNotes(const document::EventList& list, std::span<const Note> notes, Shift wanted);

// Moves the ends of the notes by `ticks`; no note gets shorter than
// `minLength` (at least 1). Stubs have no end to move.
document::Edit changeLengths(const document::EventList& list, std::span<const Note> notes, std::int64_t ticks,
                             std::uint64_t minLength);

// A new note: a note-on and a note-off (a note-on of velocity 0 when the
// list writes its note-offs so, as most styles do).
document::Edit drawNote(const document::EventList& list, int channel, int key, std::uint64_t start,
                        std::uint64_t length, int velocity);

// Removes the notes' rows; nothing else moves in time.
document::Edit deleteNotes(const document::EventList& list, std::span<const Note> notes);

// Sets the note-on velocity of each note (1 to 127) to `velocities[i]`.
document::Edit setVelocities(const document::EventList& list, std::span<const Note> notes,
                             std::span<const int> velocities);

// Notes as the roll's clipboard keeps them: times from the first start.
struct ClipNote {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
    std::uint8_t channel = 0;
    std::uint8_t key = 0;
    std::uint8_t velocity = 0;
};
std::vector<ClipNote> copyNotes(std::span<const Note> notes);
// Puts the clipboard's notes at `at`; they come in selected.
document::Edit pasteNotes(const document::EventList& list, std::span<const ClipNote> clip, std::uint64_t at);

// The note rows of the notes, ascending: what selecting them selects.
std::vector<int> noteRows(std::span<const Note> notes);

}  // namespace roll

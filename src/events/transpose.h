#pragma once
// "Transpose...": moves the notes of one channel by a number of semitones,
// in all sections or in the section of the current row.
#include "document/event_list.h"
#include "document/list_edit.h"

namespace events {

// Where the walk starts: row 1 for all sections; for the current section
// the row after the nearest row at or above `currentRow` whose Text cell is
// "Marker" (row 1 when there is none).
int transposeStart(const document::EventList& list, int currentRow, bool currentSectionOnly);

struct Transposition {
    document::Edit edit;  // the note rows whose bytes change
    int notes = 0;        // note offs and note ons walked: each note counts twice
};

// Walks the event rows from `first`; with `sectionOnly` a row that is no note
// and whose Text cell is "Marker" ends the walk. Every note off and note on
// of `channel` (1 to 16) whose Data holds exactly two bytes gets its note
// moved by `amount`, kept within 0 to 127; its Data and Comment cells show
// the new bytes. One pass; the edit holds only the rows that change.
Transposition transposeNotes(const document::EventList& list, int first, bool sectionOnly, int channel, int amount);

}  // namespace events

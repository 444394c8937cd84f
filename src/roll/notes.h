#pragma once
// The roll's notes: the document's notes as a sequencer pairs them.
#include "document/note_pairing.h"

namespace roll {

using Note = document::PairedNote;
using document::NotePairer;
using document::NoteRole;
using document::noteRole;
using document::pairNotes;

}  // namespace roll

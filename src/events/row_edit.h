#pragma once
// Row operations that keep the absolute times of the other events.
#include <filesystem>

#include "base/language.h"
#include "base/message.h"
#include "base/workspace.h"
#include "document/document.h"
#include "document/list_edit.h"

namespace events {

// Removes row r; its Tick+ is added to the row that takes its place.
void deleteRow(document::EventList& list, int r);

// "Remove Bank Events (GM only)" as an edit: every control change 0 and 32
// that only selects bank 0 (an MSB of 0, or an LSB on a channel with no
// non-zero MSB above it) goes, keeping absolute times, and the N cells are
// numbered from 1. One pass over the list.
document::Edit bankRemoval(const document::EventList& list);
// The same applied at once; returns how many rows went.
int removeBankEvents(document::EventList& list);

// The bank-removal batch: removes the bank events, then writes the MIDI part
// to `target`, with the CASM section when the target has a style type (".sty",
// ".prs", ...); no add part, which the outcome's note then names. Formats
// other than 0 are refused and nothing is written.
base::Outcome removeBanksAndSave(document::Document& doc, const std::filesystem::path& target,
                                const base::Workspace& ws, const base::Language& lang, int* removed = nullptr);

// The command line's "br" batch: the target is "_" and the opened file's
// name in the program directory; any file there is deleted first.
std::filesystem::path bankBatchTarget(const base::Workspace& ws, const std::string& openedFile);
base::Outcome runBankBatch(document::Document& doc, const base::Workspace& ws, const base::Language& lang,
                          int* removed = nullptr);

}  // namespace events

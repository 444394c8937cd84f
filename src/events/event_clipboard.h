#pragma once
// Copy, cut and paste of event rows through the clipboard file
// "EventCopy.ini", which outlives the program and is shared by every
// running instance.
//
// The file is a settings file: a section per copied row, named "0", "1", ...
// in row order, whose keys "1" to "8" hold the texts of the row's cells 1 to
// 8 (Sel, Tick+, M:B:T, Event, Ch., Data, Comment, Text). A value with blanks
// at its ends, or in quotation marks, is written in quotation marks, which
// the reader takes off. A text with a line break cannot stand on one line:
// its line breaks are written as blanks, and key "<n>x" holds its bytes as
// hex digits, which the reader takes instead. A first section "EventCopy"
// holds the number of rows ("Count"), so a file cut short is known.
//
// The file is replaced as a whole (written beside it and renamed), so an
// instance reading it sees the old clipboard or the new one, never half of
// either. Reading takes every row or none: a file that is cut short, or
// holds a cell that cannot be read, pastes nothing and says why.
//
// Cost: writing and reading are linear in the rows and their bytes.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/language.h"
#include "base/message.h"
#include "document/document.h"
#include "document/list_edit.h"

namespace events {

// What Copy and Cut take: the selected event rows, or the current event row
// when none is selected. With notes protected (setting "DelNote" off) a
// selected note off or note on is neither copied nor cut but unselected;
// Cut leaves a protected current note alone, as Delete does, and then takes
// nothing. The trailing row holds no event and is never taken.
struct CopyPlan {
    std::vector<int> rows;      // ascending
    std::vector<int> unselect;  // protected notes whose flags are cleared
};
CopyPlan copyPlan(const document::EventList& list, int currentRow, bool cut, bool notesProtected);

// Called every few thousand rows with the rows written so far and their number.
using ClipboardProgress = std::function<void(int done, int total)>;

// The clipboard text of the given rows (see above).
std::string clipboardText(const document::Document& doc, const std::vector<int>& rows,
                          const ClipboardProgress& progress = {});
// Replaces the clipboard file by the given rows; with no row the file is
// only removed. A failure names the file ("Write error").
base::Outcome writeEventClipboard(const std::filesystem::path& file, const document::Document& doc,
                                 const std::vector<int>& rows, const base::Language& lang,
                                 const ClipboardProgress& progress = {});

// The rows of a clipboard text, each with its Tick+, no number and no flag,
// its bytes read from the Event and Data cells and the other cells kept
// where they differ from what the bytes show (document::rowFromCells); or
// no row and the fault: the text holds no row, is cut short (fewer sections
// than its count, a section without one of the eight keys, a last line
// without its line break) or holds a cell that cannot be read.
struct ParsedClipboard {
    std::vector<document::EventRow> rows;
    std::string fault;
};
ParsedClipboard parseEventClipboard(std::string_view text);

// The same from the file; without rows the outcome tells the user why,
// naming the file (a missing file is no failure, there is nothing to paste).
struct ClipboardRows {
    base::Outcome outcome;
    std::vector<document::EventRow> rows;
};
ClipboardRows readEventClipboard(const std::filesystem::path& file, const base::Language& lang);

// Cut: removes the planned rows as Delete does (their Tick+ passes on).
document::Edit cutRows(const document::EventList& list, const std::vector<int>& rows);
// Paste: the rows stand, in their order, from grid row `at` on (1 to the
// trailing row), above the row that stood there; on the trailing row after a
// track end, above the track end. The events below move later by the pasted
// Tick+ values, as pasting them in one by one would.
document::Edit pasteRows(const document::EventList& list, int at, std::vector<document::EventRow> rows);

}  // namespace events

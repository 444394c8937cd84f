#pragma once
// What the roll needs of the open document, which the main window owns:
// the document to read, and the ways to change it that the event grid uses
// too, so both show one document, one undo stack and one selection.
#include <cstdint>
#include <functional>
#include <vector>

#include "document/document.h"
#include "document/list_edit.h"

class QUndoStack;

namespace roll::ui {

struct DocumentLink {
    const document::Document* document = nullptr;
    // Applies an edit as one step of the document's undo stack.
    std::function<void(document::Edit)> apply;
    // Flips the selected flags of these rows (ascending), as the grid's selection commands do.
    std::function<void(const std::vector<int>& rows)> flip;
    // Makes this row the grid's current row and shows it.
    std::function<void(int row)> showRow;
    // Sends these messages through the program's MIDI port at once (a note
    // heard while it is pressed, and its end).
    std::function<void(const std::vector<std::vector<std::uint8_t>>& messages)> sound;
    // The document's undo stack, for the roll's Undo and Redo keys.
    QUndoStack* undoStack = nullptr;
};

}  // namespace roll::ui

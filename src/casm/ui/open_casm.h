#pragma once
// The CASM editor's entry list on the window side: the list and the kept
// Cntt values, the editor's own undo stack (not the event document's) and
// the count of saves. Commands build a core edit and hand it here; this
// object applies it, keeps it for undo and reports it. The section counts
// as modified while the undo stack is not at the state of the last read or
// save, which also drives "Undo changes" and the close prompt.
#include <QObject>
#include <QUndoStack>

#include "casm/entry_edit.h"

namespace casm::ui {

class OpenCasm : public QObject {
    Q_OBJECT
public:
    explicit OpenCasm(QObject* parent = nullptr);
    ~OpenCasm() override;

    const CasmList& list() const { return list_; }
    const std::vector<Entry>& entries() const { return list_.entries; }
    QUndoStack& undoStack() { return undo_; }

    // Applies an edit and keeps it for undo; an empty edit does nothing.
    void apply(EntryEdit edit);
    // The list was read anew (the working file, a reload from the main
    // window): nothing to undo, nothing modified.
    void replaced(CasmList list);
    // The list was read anew by a command the user may take back ("Undo
    // changes", opening a ".csm" file): an undoable edit, and the state it
    // leaves counts as saved.
    void reread(CasmList list, const QString& name);
    // The list as it stands was written: changed flags cleared, clean.
    void saved();
    bool modified() const { return !undo_.isClean(); }

    // Marks are the user's selection, not content: they change in place,
    // outside the undo stack, and are reported by marksChanged.
    void setMarked(std::size_t index, bool on);
    template <typename F>
    void changeMarks(F&& change) {
        change(list_.entries);
        emit marksChanged();
    }

signals:
    // After every apply, undo, redo and read; rowsMoved when entries came or went.
    void edited(bool rowsMoved);
    void marksChanged();
    void modifiedChanged(bool modified);

private:
    friend class EntryEditCommand;
    void clearChangedFlags();

    CasmList list_;
    QUndoStack undo_;
    int saves_ = 0;  // an edit taken back after a save leaves entries unlike the file
};

}  // namespace casm::ui

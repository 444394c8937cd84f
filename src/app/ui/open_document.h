#pragma once
// The open document on the window side: the document, its undo stack and
// the event grid's table model, in one object that the main window, the
// CASM editor and the player share. Commands build a core edit and hand it
// here; this object applies it, keeps it for undo and tells the model what
// changed. The document counts as modified while the undo stack is not at
// the state of the last read or save.
#include <QObject>
#include <QUndoStack>

#include "document/document.h"
#include "document/list_edit.h"

namespace document::ui {
class EventTableModel;
}

namespace app::ui {

class OpenDocument : public QObject {
    Q_OBJECT
public:
    explicit OpenDocument(QObject* parent = nullptr);
    ~OpenDocument() override;

    document::Document& document() { return doc_; }
    const document::Document& document() const { return doc_; }
    document::ui::EventTableModel& model() const { return *model_; }
    QUndoStack& undoStack() { return undo_; }

    // Applies a command's edit and keeps it for undo; an empty edit does nothing.
    void apply(document::Edit edit);
    // The document was replaced as a whole (a file read): nothing to undo,
    // nothing modified.
    void replaced();
    // The document as it stands was saved.
    void saved() { undo_.setClean(); }
    bool modified() const { return !undo_.isClean(); }

signals:
    // After every edit, undo and redo, with what it touched.
    void edited(const document::Touched& touched);
    void modifiedChanged(bool modified);

private:
    friend class EditCommand;
    void touched(const document::Touched& t);

    document::Document doc_;
    document::ui::EventTableModel* model_;
    QUndoStack undo_;
};

}  // namespace app::ui

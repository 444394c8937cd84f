#pragma once
// The open document on the window side: the document, its undo stack and
// the event grid's table model, in one object that the main window, the
// CASM editor and the player share. Commands build a core edit and hand it
// here; this object applies it, keeps it for undo and tells the model what
// changed. The document counts as modified while the undo stack is not at
// the state of the last read or save, or while the CASM working file holds
// other bytes than the last read or style save left in it.
#include <QObject>
#include <QUndoStack>
#include <filesystem>
#include <optional>

#include "base/file_io.h"

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
    // The document's events as they stand were saved.
    void saved() { undo_.setClean(); }
    // The CASM working file as it stands is in the file read or saved as a style.
    void casmSaved(const std::filesystem::path& working);
    // The CASM working file may have been written: it is compared with what
    // the last read or style save left in it.
    void casmWritten(const std::filesystem::path& working);
    bool modified() const { return !undo_.isClean() || casmChanged_; }

signals:
    // After every edit, undo and redo, with what it touched.
    void edited(const document::Touched& touched);
    void modifiedChanged(bool modified);

private:
    friend class EditCommand;
    void touched(const document::Touched& t);
    void setCasmChanged(bool changed);

    document::Document doc_;
    document::ui::EventTableModel* model_;
    QUndoStack undo_;
    std::optional<base::Bytes> casmBaseline_;  // nothing: there was no working file
    bool casmChanged_ = false;
};

}  // namespace app::ui

#include "app/ui/open_document.h"

#include <QUndoCommand>

#include "document/ui/event_table_model.h"

namespace app::ui {

// One edit on the undo stack: redo and undo walk the same row changes.
class EditCommand : public QUndoCommand {
public:
    EditCommand(OpenDocument& owner, document::Edit edit)
        : QUndoCommand(QString::fromStdString(edit.name)), owner_(owner), edit_(std::move(edit)) {}

    void redo() override {
        owner_.model_->aboutToEdit(movesRows());
        owner_.touched(document::redo(owner_.doc_.events, edit_));
    }
    void undo() override {
        owner_.model_->aboutToEdit(movesRows());
        owner_.touched(document::undo(owner_.doc_.events, edit_));
    }

private:
    bool movesRows() const { return !edit_.removed.empty() || !edit_.inserted.empty(); }

    OpenDocument& owner_;
    document::Edit edit_;
};

OpenDocument::OpenDocument(QObject* parent)
    : QObject(parent), model_(new document::ui::EventTableModel(doc_, this)) {
    connect(&undo_, &QUndoStack::cleanChanged, this, [this] { emit modifiedChanged(modified()); });
}

OpenDocument::~OpenDocument() {
    // The stack tells of its clean state once more as it goes; the windows
    // listening may be half destroyed by then.
    undo_.disconnect(this);
}

void OpenDocument::apply(document::Edit edit) {
    if (edit.empty()) return;
    undo_.push(new EditCommand(*this, std::move(edit)));  // QUndoStack::push runs redo()
}

void OpenDocument::replaced() {
    undo_.clear();
    undo_.setClean();
}

void OpenDocument::casmSaved(const std::filesystem::path& working) {
    casmBaseline_ = base::readFile(working);
    setCasmChanged(false);
}

void OpenDocument::casmWritten(const std::filesystem::path& working) {
    setCasmChanged(base::readFile(working) != casmBaseline_);
}

void OpenDocument::setCasmChanged(bool changed) {
    const bool was = modified();
    casmChanged_ = changed;
    if (modified() != was) emit modifiedChanged(modified());
}

void OpenDocument::touched(const document::Touched& t) {
    model_->rowsEdited(t);
    emit edited(t);
}

}  // namespace app::ui

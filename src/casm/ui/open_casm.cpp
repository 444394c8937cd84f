#include "casm/ui/open_casm.h"

#include <QUndoCommand>

namespace casm::ui {

// One edit on the undo stack: redo and undo walk the same entry changes.
class EntryEditCommand : public QUndoCommand {
public:
    EntryEditCommand(OpenCasm& owner, EntryEdit edit)
        : QUndoCommand(QString::fromStdString(edit.name)), owner_(owner), edit_(std::move(edit)), saves_(owner.saves_) {}

    void redo() override { emit owner_.edited(casm::redo(owner_.list_, edit_, owner_.saves_ != saves_)); }
    void undo() override { emit owner_.edited(casm::undo(owner_.list_, edit_, owner_.saves_ != saves_)); }

private:
    OpenCasm& owner_;
    EntryEdit edit_;
    int saves_;
};

OpenCasm::OpenCasm(QObject* parent) : QObject(parent) {
    connect(&undo_, &QUndoStack::cleanChanged, this, [this](bool clean) {
        // Back at the saved state: the list reads as the file does.
        if (clean) {
            clearChangedFlags();
            emit edited(false);
        }
        emit modifiedChanged(!clean);
    });
}

OpenCasm::~OpenCasm() {
    // The stack reports itself clean as it goes; nobody is left to hear it.
    undo_.blockSignals(true);
}

void OpenCasm::apply(EntryEdit edit) {
    if (edit.empty()) return;
    undo_.push(new EntryEditCommand(*this, std::move(edit)));  // push runs redo()
}

void OpenCasm::replaced(CasmList list) {
    undo_.clear();
    list_ = std::move(list);
    undo_.setClean();
    emit edited(true);
}

void OpenCasm::reread(CasmList list, const QString& name) {
    apply(replaceAll(list_, std::move(list), name.toStdString()));
    saved();
}

void OpenCasm::saved() {
    ++saves_;
    clearChangedFlags();
    undo_.setClean();
    emit edited(false);
}

void OpenCasm::clearChangedFlags() {
    for (auto& e : list_.entries) e.changed = false;
}

void OpenCasm::setMarked(std::size_t index, bool on) {
    if (index >= list_.entries.size()) return;
    list_.entries[index].marked = on;
    emit marksChanged();
}

}  // namespace casm::ui

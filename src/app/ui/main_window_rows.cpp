// The main window's commands that add, remove and move rows: Insert,
// Delete, Move Up and Move Down.
#include <QUndoStack>

#include "app/ui/main_window.h"
#include "app/ui/open_document.h"
#include "base/ui/transient_message.h"
#include "base/ui/user_dialogs.h"
#include "document/name_sources.h"
#include "document/ui/event_table_model.h"
#include "events/edit_names.h"
#include "events/insert_event.h"
#include "events/navigation.h"
#include "events/row_commands.h"
#include "events/ui/insert_event_dialog.h"

namespace app::ui {

// The event commands this window runs, and their dialogs.
using namespace ::events;
using namespace ::events::ui;

void MainWindow::mInsertClick() {
    if (reading_) return;
    int row = currentRow();
    if (row < 1) row = doc_.events.trailingRow();
    InsertEventDialog dialog(ws_.settings(), language_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const auto sources = document::nameSources(
        definitions_, std::make_shared<const names::SysexDescriptions>(
                          names::SysexDescriptions::fromFile(ws_.file(base::files::xgSystem))));
    // The new row and what its property dialog then changes are one step of undo.
    auto& undo = open_->undoStack();
    undo.beginMacro(QString::fromStdString(std::string(kInsertEvent)));
    open_->apply(insertEdit(doc_.events, row, insertedRow(dialog.values(), sources)));
    setCurrentRow(row);
    mEditEventClick();
    undo.endMacro();
}

void MainWindow::mDeleteClick() {
    if (reading_) return;
    auto ask = [this](int textId, const char* text) {
        return !settings_.delConfirm || dialogs_.message(this, lookup(110, "Confirmation"), lookup(textId, text),
                                                         base::Icon::Question, true) == base::ui::Answer::Yes;
    };
    auto work = [this](const std::vector<int>& rows) {
        auto* wait = base::ui::showWaitWindow(this, lookup(112, "Wait..."), lookup(111, "Deleting..."));
        const int current = currentRow();
        open_->apply(deleteEdit(doc_.events, rows));
        setCurrentRow(std::min(rowAfterDelete(rows, current), doc_.events.trailingRow()));
        wait->close();
        wait->deleteLater();
    };
    if (selectedCount(doc_.events) == 0) {
        const auto row = singleDeleteRow(doc_.events, currentRow(), settings_.delNote);
        if (!row || !ask(115, "Do you want to delete the current event?")) return;
        work({*row});
        return;
    }
    if (!ask(109, "Do you want to delete selected events?")) return;
    const auto plan = selectionDelete(doc_.events, settings_.delNote);
    // Protected notes leave the selection and stay.
    for (int r : plan.keptNotes) doc_.events.setSelected(r, false);
    if (!plan.keptNotes.empty()) model_->rowsEdited({plan.keptNotes.front(), plan.keptNotes.back()});
    if (!plan.rows.empty()) {
        work(plan.rows);
        const QString count = QString::number(plan.rows.size());
        setPanel(4, lookup(113, "Deleted") + " " + count + " " + lookup(114, "of") + " " + count);
    }
    setPanel(3, QString());
}

void MainWindow::moveEvent(bool up) {
    if (reading_) return;
    const int row = currentRow();
    auto edit = moveEdit(doc_.events, row, up);
    if (edit.empty()) return;
    open_->apply(std::move(edit));
    setCurrentRow(up ? row - 1 : row + 1);
}

}  // namespace app::ui

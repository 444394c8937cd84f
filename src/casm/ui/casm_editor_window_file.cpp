// The CASM editor's file commands: undo changes, open, save, save as and
// check, the entry clipboard and the single-entry files.
#include <QAction>
#include <QFileInfo>

#include "base/file_io.h"
#include "casm/check.h"
#include "casm/clipboard.h"
#include "casm/ctab_file.h"
#include "casm/editor_grid.h"
#include "casm/insertion.h"
#include "casm/reader.h"
#include "casm/ui/casm_check_dialog.h"
#include "casm/ui/casm_editor_window.h"
#include "casm/ui/casm_table_model.h"
#include "casm/ui/create_casm_dialog.h"
#include "casm/ui/open_casm.h"
#include "casm/ui/qt_text.h"
#include "casm/ui/section_order_dialog.h"
#include "casm/writer.h"

namespace casm::ui {
namespace {

const char* kCsmFilter = "Yamaha CASM section (*.csm)|*.csm";

QString folderOf(const QString& path) { return QFileInfo(path).absolutePath(); }

std::filesystem::path pathOf(const QString& path) { return path.toStdString(); }

}  // namespace

void CasmEditorWindow::mUndoClick() {
    if (!casm_->modified()) return;
    if (auto list = readCasmFile(context_.workspace.casm(), true)) casm_->reread(std::move(*list), text(131));
}

void CasmEditorWindow::mOpenClick() {
    base::ui::FileRequest request;
    request.title = "Open CASM file for current style...";
    request.directory = openDir_;
    request.filters = base::ui::qtFilters({kCsmFilter});
    const auto choice = context_.dialogs.openFile(this, request);
    if (!choice) return;
    openDir_ = folderOf(choice->path);
    const std::filesystem::path chosen = pathOf(choice->path);
    const auto working = context_.workspace.casm();
    std::error_code ec;
    if (std::filesystem::equivalent(chosen, working, ec)) return mUndoClick();
    // The chosen file is read first: a file that is refused changes nothing.
    const auto bytes = base::readFile(chosen);
    if (!bytes) {
        context_.dialogs.message(this, text(83), choice->path, base::Icon::Error, false);
        return;
    }
    auto read = casm::readCasm(*bytes, chosen.string(), context_.language);
    if (!read.ok()) {
        base::ui::showMessage(context_.dialogs, this, *read.failure);
        return;
    }
    const QString question = text(176);
    if (context_.dialogs.message(this, text(91), question, base::Icon::Question, true) != base::ui::Answer::Yes ||
        context_.dialogs.message(this, text(177), question, base::Icon::Question, true) != base::ui::Answer::Yes)
        return;
    if (!base::writeFileAtomic(working, *bytes)) {
        context_.dialogs.message(this, text(100), QString::fromStdString(working.string()), base::Icon::Error, false);
        return;
    }
    emit workingFileWritten();
    casm_->reread({std::move(read.entries), std::move(read.keptCntt)}, text(2, "&Open...").remove('&'));
}

bool CasmEditorWindow::writeTo(const std::filesystem::path& file) {
    const auto written = writeCasmFile(file, casm_->entries(), SectionOrderDialog::asOrder(this, dialogContext()),
                                       context_.language, casm_->list().kept);
    if (written.cancelled) return false;
    if (written.failure) {
        // Refused before anything was written: the file and the entries stay as they were.
        base::ui::showMessage(context_.dialogs, this, *written.failure);
        return false;
    }
    casm_->saved();
    if (file == context_.workspace.casm()) emit workingFileWritten();
    return true;
}

void CasmEditorWindow::mSaveClick() {
    if (writeTo(context_.workspace.casm()))
        context_.dialogs.message(this, text(175), text(174), base::Icon::Information, false);
}

void CasmEditorWindow::mSaveasClick() {
    base::ui::FileRequest request;
    request.title = "Save as CASM file...";
    request.directory = saveDir_;
    request.filters = base::ui::qtFilters({kCsmFilter});
    request.defaultSuffix = "csm";
    request.confirmOverwrite = true;
    const auto choice = context_.dialogs.saveFile(this, request);
    if (!choice) return;
    saveDir_ = folderOf(choice->path);
    // The changes count as saved, although the working file keeps the earlier data.
    if (writeTo(pathOf(choice->path)))
        context_.dialogs.message(this, "The CASM section is saved to file...", choice->path, base::Icon::Information, false);
}

void CasmEditorWindow::mCheckCASMClick() {
    CasmCheckDialog window(this, dialogContext(), checkCasm(casm_->entries(), context_.language));
    window.exec();
}

// ---------------------------------------------------------------- clipboard and entry files

std::vector<std::size_t> CasmEditorWindow::copiedIndices() const {
    // The marked entries in grid row order, or the current one.
    std::vector<std::size_t> out;
    for (int row = 1; row <= model_->rowCount(); ++row) {
        const int at = model_->entryAt(row);
        if (at >= 0 && casm_->entries()[static_cast<std::size_t>(at)].marked) out.push_back(static_cast<std::size_t>(at));
    }
    if (out.empty() && currentEntry() >= 0) out.push_back(static_cast<std::size_t>(currentEntry()));
    return out;
}

void CasmEditorWindow::mCopyClick() {
    const auto indices = copiedIndices();
    if (indices.empty()) return;
    std::vector<Entry> copied;
    for (auto i : indices) copied.push_back(casm_->entries()[i]);
    if (!writeClipboard(context_.workspace.file(base::files::casmCopy), copied)) {
        context_.dialogs.message(this, text(100),
                                 QString::fromStdString(context_.workspace.file(base::files::casmCopy).string()),
                                 base::Icon::Error, false);
        return;
    }
    for (auto* paste : pasteActions_) paste->setEnabled(true);
}

void CasmEditorWindow::mCutClick() {
    const auto indices = copiedIndices();
    if (indices.empty()) return;
    mCopyClick();
    if (!pasteActions_.front()->isEnabled()) return;  // the clipboard could not be written: nothing is removed
    casm_->apply(removeEntries(casm_->list(), indices, text(16).remove('&').toStdString()));
}

void CasmEditorWindow::insertBeforeCurrent(std::vector<Entry> entries, const QString& name) {
    const int at = currentEntry();
    if (at < 0 || entries.empty()) return;
    if (const auto refused = kindRefusal(casm_->entries(), entries, context_.language)) {
        base::ui::showMessage(context_.dialogs, this, *refused);
        return;
    }
    for (auto& e : entries) e.changed = true;
    const std::vector<Entry> before = casm_->entries();
    casm_->apply(insertEntries(casm_->list(), static_cast<std::size_t>(at), std::move(entries), name.toStdString()));
    // A section with two entries for one source channel is kept (Undo takes it back), but said at once.
    QStringList duplicates;
    for (const auto& line : addedDuplicateWarnings(before, casm_->entries(), context_.language)) duplicates << base::ui::qtext(line);
    if (!duplicates.isEmpty())
        context_.dialogs.message(this, text(91), duplicates.join('\n'), base::Icon::Warning, false);
}

void CasmEditorWindow::mPasteClick() {
    if (currentEntry() < 0) return;
    auto entries = readClipboard(context_.workspace.file(base::files::casmCopy));
    for (auto& e : entries) e.marked = false;
    insertBeforeCurrent(std::move(entries), text(18).remove('&'));
}

void CasmEditorWindow::mSaveCtabClick() {
    const Entry* e = current();
    if (!e) return;
    const bool ctb2 = e->kind() == TableKind::Ctb2;
    base::ui::FileRequest request;
    request.title = "Save as Ctab section for Yamaha style";
    request.directory = saveDir2_;
    request.filters = base::ui::qtFilters({ctb2 ? "Ctb2 section for Yamaha style (*.Ctb2)|*.Ctb2"
                                               : "Ctab section for Yamaha style (*.Ctab)|*.Ctab"});
    request.defaultSuffix = ctb2 ? "Ctb2" : "Ctab";
    request.confirmOverwrite = true;
    const auto choice = context_.dialogs.saveFile(this, request);
    if (!choice) return;
    saveDir2_ = folderOf(choice->path);
    Entry record = *e;
    record.row = static_cast<std::uint32_t>(currentRow());
    if (!saveCtabFile(pathOf(choice->path), record)) {
        context_.dialogs.message(this, text(100), choice->path, base::Icon::Error, false);
        return;
    }
    context_.dialogs.message(this, text(181), choice->path, base::Icon::Information, false);
}

void CasmEditorWindow::mLoadCtabClick() {
    if (currentEntry() < 0) return;
    base::ui::FileRequest request;
    request.title = "Load Ctab section for Yamaha style";
    request.directory = openDir2_;
    request.filters = base::ui::qtFilters({"Ctab section for Yamaha style (*.Ctab)|*.Ctab",
                                          "Ctb2 section for Yamaha style (*.Ctb2)|*.Ctb2"});
    const auto choice = context_.dialogs.openFile(this, request);
    if (!choice) return;
    openDir2_ = folderOf(choice->path);
    auto loaded = loadCtabFile(pathOf(choice->path), context_.language);
    if (!loaded.entry) {
        base::ui::showMessage(context_.dialogs, this, *loaded.failure);
        return;
    }
    insertBeforeCurrent({*loaded.entry}, text(137).remove("...").trimmed());
}

}  // namespace casm::ui

// The CASM editor's edit, mark, view and assign commands.
#include <QAction>
#include <QMenu>

#include "casm/byte_editor.h"
#include "casm/cntt.h"
#include "casm/editor_grid.h"
#include "casm/track_channels.h"
#include "casm/ui/assign_dialogs.h"
#include "casm/ui/casm_editor_window.h"
#include "casm/ui/casm_table_model.h"
#include "casm/ui/entry_bytes_dialog.h"
#include "casm/ui/open_casm.h"
#include "casm/ui/qt_text.h"
#include "events/ui/track_channel_dialog.h"

namespace casm::ui {
namespace {

// The assign menu's groups, in menu order.
enum AssignGroup { BySection = 0, ByChannel = 1, BySelected = 2 };

}  // namespace

void CasmEditorWindow::mDeleteClick() {
    const auto marked = markedIndices(casm_->entries());
    if (!marked.empty()) {
        if (context_.delConfirm &&
            context_.dialogs.message(this, text(110), text(180), base::Icon::Question, true) != base::ui::Answer::Yes)
            return;
        casm_->apply(removeEntries(casm_->list(), marked, text(19).remove('&').toStdString()));
        return;
    }
    if (const int at = currentEntry(); at >= 0)
        casm_->apply(removeEntries(casm_->list(), {static_cast<std::size_t>(at)}, text(19).remove('&').toStdString()));
}

void CasmEditorWindow::mDeleteCnttClick() {
    // The Cntt values kept for channels without an entry go too: all Cntt data.
    change(text(375), [](CasmList& list) {
        deleteAllCntt(list.entries);
        list.kept.clear();
    });
}

void CasmEditorWindow::mTrChTblClick() {
    const Entry* e = current();
    if (!e) return;
    const std::string section = e->section;
    events::ui::TrackChannelDialog dialog(this, context_.language, context_.workspace.settings(),
                                trackChannelTable(casm_->entries(), section));
    if (dialog.exec() != QDialog::Accepted) return;
    std::array<std::optional<int>, 16> channels;
    const auto cells = dialog.channelCells();
    for (std::size_t t = 0; t < 16; ++t) channels[t] = channelOfCell(cells[t].toLatin1().toStdString());
    const auto only = dialog.allSections() ? std::nullopt : std::optional<std::string>(section);
    change(text(134), [&](CasmList& list) { applyTrackChannels(list.entries, channels, only); });
}

void CasmEditorWindow::mByteEditorClick() {
    const int at = currentEntry();
    if (at < 0) return;
    EntryBytesDialog editor(this, dialogContext(), casm_->entries()[static_cast<std::size_t>(at)]);
    if (editor.exec() != QDialog::Accepted) return;
    const Entry edited = editor.edited();
    change(text(135).remove('&'), [&](CasmList& list) { applyEditedEntry(list.entries[static_cast<std::size_t>(at)], edited); });
}

void CasmEditorWindow::mSetEditableClick() {
    change(text(384), [](CasmList& list) {
        for (auto& e : list.entries) e[ReadOnly] = 0;
    });
}

void CasmEditorWindow::mSetReadOnlyClick() {
    change(text(385), [](CasmList& list) {
        for (auto& e : list.entries) e[ReadOnly] = 1;
    });
}

void CasmEditorWindow::mark(int by, bool on) {
    const Entry* e = current();
    if (!e) return;
    const Entry picked = *e;
    casm_->changeMarks([&](std::vector<Entry>& entries) { setMarks(entries, picked, static_cast<MarkBy>(by), on); });
}

void CasmEditorWindow::mSelectSectionsClick() {
    const Entry* e = current();
    if (!e) return;
    SectionChooser dialog(this, dialogContext(), sectionNames(casm_->entries()), e->section);
    if (dialog.exec() != QDialog::Accepted) return;
    const auto ticked = dialog.ticked();
    casm_->changeMarks([&](std::vector<Entry>& entries) { markSections(entries, ticked); });
}

void CasmEditorWindow::flipMark(bool advance) {
    const int at = currentEntry();
    if (at < 0) return;
    const int row = currentRow();
    casm_->setMarked(static_cast<std::size_t>(at), !casm_->entries()[static_cast<std::size_t>(at)].marked);
    if (advance && row < model_->rowCount()) setCurrentRow(row + 1);
}

void CasmEditorWindow::clearMarks() {
    casm_->changeMarks([](std::vector<Entry>& entries) {
        for (auto& e : entries) e.marked = false;
    });
}

void CasmEditorWindow::setSortMode(int mode) {
    // The current entry stays current in its new row.
    const int at = currentEntry();
    model_->setSortMode(static_cast<SortMode>(mode));
    setCurrentRow(at >= 0 ? model_->gridRowOf(static_cast<std::size_t>(at)) : 1);
}

void CasmEditorWindow::assignMenuShow() {
    const Entry* e = current();
    assignSection_->setTitle(text(141) + (e ? " " + base::ui::qtext(e->section) : QString()));
    assignChannel_->setTitle(text(142) + (e ? " " + QString::number((*e)[MidiChan] + 1) : QString()));
    assignSelected_->setEnabled(markedCount(casm_->entries()) > 0);
}

void CasmEditorWindow::assignChord(int group, int which) {
    const Entry* e = current();
    if (!e) return;
    const Entry entry = *e;
    if (group == BySelected && markedCount(casm_->entries()) == 0) return;
    const QString suffix = group == BySection   ? " " + text(178) + " " + base::ui::qtext(entry.section)
                           : group == ByChannel ? " " + text(179) + " " + QString::number(entry[MidiChan] + 1)
                                                : " " + text(187);
    std::unique_ptr<ChordAssignDialog> dialog;
    if (which == 0) dialog = std::make_unique<ChordRootDialog>(this, dialogContext(), entry, suffix);
    else if (which == 1) dialog = std::make_unique<ChordTypeDialog>(this, dialogContext(), entry, suffix);
    else dialog = std::make_unique<ChordRootTypeDialog>(this, dialogContext(), entry, suffix);
    if (dialog->exec() != QDialog::Accepted) return;
    Group g;
    if (dialog->useForAll()) g.by = Group::By::All;
    else if (group == BySection) g = {Group::By::Section, entry.section, 0};
    else if (group == ByChannel) g = {Group::By::Channel, {}, entry[MidiChan]};
    else g.by = Group::By::Marked;
    const auto root = dialog->root();
    const auto type = dialog->type();
    change(dialog->windowTitle(), [&](CasmList& list) { casm::assignChord(list.entries, g, root, type); });
}

void CasmEditorWindow::assignRules(int group) {
    const Entry* e = current();
    if (!e) return;
    const Entry entry = *e;
    if (group == BySelected && markedCount(casm_->entries()) == 0) return;
    const QString caption = group == BySection   ? text(182) + " " + base::ui::qtext(entry.section)
                            : group == ByChannel ? text(239) + QString::number(entry[MidiChan] + 1)
                                                 : text(186);
    RuleAssignDialog dialog(this, dialogContext(), entry, shownZone(), group == ByChannel, caption);
    if (dialog.exec() != QDialog::Accepted) return;
    Group g;
    if (group == BySection) {
        g = {Group::By::Section, entry.section, 0};
    } else if (group == ByChannel) {
        const auto channel = dialog.channel();
        g = channel ? Group{Group::By::Channel, {}, *channel} : Group{Group::By::All, {}, 0};
    } else {
        g.by = Group::By::Marked;
    }
    const auto assignment = dialog.assignment();
    change(caption, [&](CasmList& list) { casm::assignRules(list.entries, g, assignment); });
}

}  // namespace casm::ui

// The marker, text and channel lists, Find and the windows opened from the View menu.
#include "app/ui/main_window.h"

#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPointer>
#include <QTableView>

#include "app/ui/main_window_parts.h"
#include "base/file_io.h"
#include "base/profile.h"
#include "base/ui/transient_message.h"
#include "casm/ui/casm_editor_window.h"
#include "casm/ui/open_casm.h"
#include "chords/bar_feeder.h"
#include "events/navigation.h"
#include "names/ui/style_instruments_window.h"
#include "playback/ui/section_player_window.h"

namespace app::ui {

using namespace main_window;

// ---------------------------------------------------------------- lists and find

void MainWindow::rebuildLists() {
    ListBoxMarkers->clear();
    ListBoxAll->clear();
    ListBoxChan->clear();
    auto fill = [](QListWidget* list, const std::vector<std::string>& texts) {
        QStringList items;
        items.reserve(static_cast<qsizetype>(texts.size()));
        for (const auto& text : texts) items.push_back(fromBytes(text));
        list->addItems(items);
    };
    fill(ListBoxMarkers, doc_.markers);
    fill(ListBoxAll, doc_.texts);
}

void MainWindow::ListBoxMarkersClick() {
    if (reading_ || !ListBoxMarkers->currentItem()) return;
    ListBoxAll->clearSelection();
    const auto jump = events::findMarker(doc_.events, toBytes(ListBoxMarkers->currentItem()->text()));
    if (!jump) return;
    setCurrentRow(jump->row);
    StringGrid1->setFocus();  // the keys go on from the row found
    ListBoxChan->clear();
    for (int ch : jump->channels) ListBoxChan->addItem("Chan " + QString::number(ch));
}

void MainWindow::ListBoxAllClick() {
    if (reading_ || !ListBoxAll->currentItem()) return;
    ListBoxMarkers->clearSelection();
    ListBoxChan->clear();
    if (const auto row = events::findTextRow(doc_.events, toBytes(ListBoxAll->currentItem()->text()))) {
        setCurrentRow(*row);
        StringGrid1->setFocus();
    }
}

void MainWindow::ButtonNextClick() {
    if (reading_ || ComboBoxFind->currentIndex() < 0) return;
    const auto hit =
        events::findNext(doc_.events, currentRow(), ComboBoxFind->currentIndex(), std::max(ComboFindChan->currentIndex(), 0));
    if (hit) setCurrentRow(*hit);
    else base::ui::showNotice(this, lookup(76, "Find message"), lookup(77, "Not found..."));
}

void MainWindow::mInstrumentsClick() {
    if (reading_) return;
    StyleInstrumentsWindow dialog(doc_, *definitions_, dialogs_, ws_.settings(), language_, this);
    dialog.onInsFileChosen = [this](const std::filesystem::path& file) { settings_.insFile = file.string(); };
    if (dialog.exec() != QDialog::Accepted || dialog.programRow() <= 0) return;
    // The chosen channel's program change becomes the current row and is edited.
    setCurrentRow(dialog.programRow());
    editEventAt(dialog.programRow());
}

void MainWindow::mPlayerClick() {
    if (reading_) return;
    playback::ui::CasmLink link;
    link.saved = [this, inUse = casmInUse_] {
        return chords::savedEntries(inUse ? base::readFile(ws_.casm()) : std::nullopt, doc_.events,
                                    base::Profile(ws_.file(base::files::casmDefaults)));
    };
    const QPointer<casm::ui::CasmEditorWindow> editor = casmEditor_;
    if (editor) {
        link.unsaved = [editor]() -> std::optional<std::vector<casm::Entry>> {
            if (!editor) return std::nullopt;
            return editor->casm().entries();
        };
        link.select = [editor](std::size_t index) {
            if (editor) editor->selectEntry(index);
        };
    }
    playback::ui::openPlayer(doc_, settings_.midiOut, dialogs_, ws_.settings(), language_, this, std::move(link),
                             [this, editor](playback::ui::SectionPlayerWindow& player) {
        rollFollowsPlayer(player);
        if (!editor) return;
        QObject::connect(&editor->casm(), &casm::ui::OpenCasm::edited, &player,
                         &playback::ui::SectionPlayerWindow::casmEdited);
    });
}

}  // namespace app::ui

// Reading files, the file commands, bank removal and the command line.
#include "app/ui/main_window.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>

#include "app/ui/main_window_parts.h"
#include "app/ui/open_document.h"
#include "base/file_names.h"
#include "base/ui/transient_message.h"
#include "casm/reader.h"
#include "casm/ui/casm_editor_window.h"
#include "document/name_sources.h"
#include "document/recent_files.h"
#include "document/smf_writer.h"
#include "document/ui/piece_dialogs.h"
#include "events/navigation.h"
#include "events/row_edit.h"
#include "roll/ui/piano_roll_window.h"

namespace app::ui {

using namespace main_window;

// ---------------------------------------------------------------- reading

void MainWindow::setBusy(bool busy) {
    for (auto* menu : mainMenus_) menu->menuAction()->setEnabled(!busy);
    Panel1->setEnabled(!busy);
    if (!busy) progress_->hide();
}

document::ReadOptions MainWindow::readOptions() {
    document::ReadOptions options;
    options.clearCasm = settings_.clearCasm;
    options.casmEditorOpen = casmEditor_ != nullptr;
    options.language = &language_;
    options.names = document::nameSources(definitions_, std::make_shared<const names::SysexDescriptions>(
                                                         names::SysexDescriptions::fromFile(ws_.file(base::files::xgSystem))));
    options.askReloadCasm = [this] {
        return dialogs_.message(this, lookup(91, "Attention..."),
                                lookup(90, "Do you want to reload CASM from the loading file?..."), base::Icon::Question,
                                true) == base::ui::Answer::Yes;
    };
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto lastPaint = std::make_shared<qint64>(0);
    options.progress = [this, clock, lastPaint](std::size_t done, std::size_t total) {
        // Paint at most every 50 ms; show how far reading got once it takes a while.
        const qint64 now = clock->elapsed();
        if (now - *lastPaint < 50) return;
        *lastPaint = now;
        if (now > kBusyAfterMs) {
            progress_->setValue(total == 0 ? 0 : static_cast<int>(done * 1000 / total));
            progress_->show();
        }
        QApplication::processEvents();
    };
    return options;
}

void MainWindow::readDocument(const std::function<document::ReadResult(const document::ReadOptions&)>& read) {
    reading_ = true;
    setBusy(true);
    model_->setFrozen(true);
    if (roll_) roll_->documentBusy();
    ListBoxMarkers->clear();
    ListBoxAll->clear();
    ListBoxChan->clear();
    auto options = readOptions();
    options.started = [this] {
        // The previous file's panels go as soon as the new one is open.
        for (int i : {0, 1, 2, 4}) setPanel(i, QString());
        setPanel(3, lookup(86, "Reading file..."));
        progress_->setValue(0);
        statusBar()->repaint();
    };
    const auto result = read(options);
    if (result.opened) {
        open_->replaced();  // what the old document did cannot be undone into the new one
        open_->casmSaved(ws_.casm());
    }
    model_->setFrozen(false);
    if (roll_) roll_->documentReplaced();
    rebuildLists();
    showReadResult(result);
    reading_ = false;
    setBusy(false);
    setCurrentRow(1);
}

void MainWindow::showReadResult(const document::ReadResult& result) {
    for (int i = 0; i < 4; ++i)
        if (const auto& text = result.panels[static_cast<std::size_t>(i)]) setPanel(i, QString::fromStdString(*text));
    if (!result.opened) return;
    setPanel(4, QString());
    mSaveas->setEnabled(result.saveable);
    mRemoveBank->setEnabled(true);
    mCreateCasm->setEnabled(true);
    if (result.casmCommands == document::CasmCommands::Enable) setCasmCommands(true);
    else if (result.casmCommands == document::CasmCommands::Disable) setCasmCommands(false);
    casmAfterRead(result);
}

void MainWindow::setCasmCommands(bool inUse) {
    casmInUse_ = inUse;
    mCasmHex->setEnabled(inUse);
    mCasmEditor->setEnabled(inUse);
    ButtonCasm->setEnabled(inUse);
    mExport->setEnabled(inUse);
}

// ---------------------------------------------------------------- file commands

void MainWindow::setTitle(const QString& base) {
    titleBase_ = base;
    updateTitle();
}

void MainWindow::updateTitle() { setWindowTitle(open_->modified() ? titleBase_ + " *" : titleBase_); }

bool MainWindow::mayDiscardChanges() {
    if (!open_->modified()) return true;
    return dialogs_.message(this, lookup(110, "Confirmation"),
                            "The open document (its events or its CASM section) was changed and not saved. "
                            "Discard the changes?",
                            base::Icon::Question, true) == base::ui::Answer::Yes;
}

void MainWindow::listsAfterEdit(const document::Touched& touched) {
    if (!touched.textsChanged) return;
    auto lists = events::collectTextLists(doc_.events);
    doc_.markers = std::move(lists.markers);
    doc_.texts = std::move(lists.texts);
    rebuildLists();
}

void MainWindow::mOpenClick() {
    if (reading_) return;
    base::ui::FileRequest request;
    request.title = lookup(78, "Open file ...");
    request.directory = QString::fromStdString(settings_.openDialog);
    request.filters = openFilters();
    request.filterIndex = settings_.openFilterIndex;
    const auto choice = dialogs_.openFile(this, request);
    if (!choice) return;
    settings_.openFilterIndex = choice->filterIndex;
    openFile(choice->path);
}

void MainWindow::openFile(const QString& givenName) {
    if (reading_ || !mayDiscardChanges()) return;
    // The recent-files list and the caption keep the full name, so that an
    // entry opens the same file from any folder.
    const QString fileName = QDir::cleanPath(QFileInfo(givenName).absoluteFilePath());
    document::addRecentFile(settings_.recentFiles, fileName.toStdString());
    refreshRecentMenu();
    settings_.openDialog = std::string(base::folderOf(fileName.toStdString()));
    openedFile_ = fileName;
    saveFileName_.clear();
    setTitle(lookup(0, "Ctabber... ") + fileName);
    const std::filesystem::path path = fileName.toStdString();
    readDocument([this, path](const document::ReadOptions& options) {
        return document::readFile(path, doc_, ws_, options);
    });
}

void MainWindow::mRecentClick(int slot) {
    if (reading_ || slot < 0 || slot >= 4) return;
    const std::string name = settings_.recentFiles[static_cast<std::size_t>(slot)];
    if (name.empty() || !base::fileExists(name)) return;
    openFile(QString::fromStdString(name));
}

void MainWindow::mSaveasClick() {
    if (reading_) return;
    if (doc_.format != 0) {
        dialogs_.message(this, lookup(99, "Unsupported format"), lookup(98, "This programm can save only SMF0 files..."),
                         base::Icon::Error, false);
        return;
    }
    base::ui::FileRequest request;
    request.title = lookup(79, "Save as ...");
    request.directory = QString::fromStdString(settings_.saveDialog);
    request.filters = saveFilters();
    if (!casmInUse_) settings_.saveFilterIndex = document::FilterMid;
    request.filterIndex = settings_.saveFilterIndex;
    request.confirmOverwrite = settings_.overWrite;
    // A document not yet saved proposes its own name in its own folder.
    if (saveFileName_.isEmpty() && !openedFile_.isEmpty()) {
        saveFileName_ = QFileInfo(openedFile_).fileName();
        request.directory = QFileInfo(openedFile_).absolutePath();
    }
    request.fileName = saveFileName_;
    const auto choice = dialogs_.saveFile(this, request);
    if (!choice) return;
    const auto [target, filter] = document::saveTarget(choice->path.toStdString(), choice->filterIndex);
    settings_.saveFilterIndex = filter;
    saveFileName_ = choice->path;
    settings_.saveDialog = std::string(base::folderOf(choice->path.toStdString()));
    // The dialog asked about the name it was given; a name that gained an
    // extension may name another file that exists.
    if (target != choice->path.toStdString() && settings_.overWrite && base::fileExists(target) &&
        dialogs_.message(this, lookup(110, "Confirmation"),
                         QString::fromStdString(target) + "\n\nThis file already exists. Replace it?",
                         base::Icon::Question, true) != base::ui::Answer::Yes)
        return;
    const auto outcome = document::saveAs(doc_, target, filter, ws_, language_);
    base::ui::showOutcome(dialogs_, this, outcome);
    if (!outcome.ok) return;
    document::addRecentFile(settings_.recentFiles, target);
    refreshRecentMenu();
    open_->saved();
    // A MIDI file holds no CASM section: its changes stay unsaved.
    if (filter != document::FilterMid) open_->casmSaved(ws_.casm());
    setTitle(lookup(0, "Ctabber... ") + QString::fromStdString(target));
}

void MainWindow::mExportClick() {
    if (reading_ || !casmInUse_) return;
    QString directory = QString::fromStdString(settings_.exportImportDir);
    document::ui::ExportDialog dialog(this, {dialogs_, language_, ws_.settings(), directory},
                                  document::defaultExportNames(openedFile_.toStdString()),
                                  base::fileExists(ws_.casmAdd()));
    const bool ok = dialog.exec() == QDialog::Accepted;
    settings_.exportImportDir = directory.toStdString();
    if (!ok) return;
    settings_.exportMid = dialog.EditMidi->text().toStdString();
    settings_.exportCsm = dialog.EditCasm->text().toStdString();
    settings_.exportAdd = dialog.EditAdd->text().toStdString();
    const auto outcome = document::exportPieces(doc_, dialog.names(), ws_, language_);
    base::ui::showOutcome(dialogs_, this, outcome);
}

void MainWindow::mImportClick() {
    if (reading_) return;
    QString directory = QString::fromStdString(settings_.exportImportDir);
    document::ui::ImportDialog dialog(this, {dialogs_, language_, ws_.settings(), directory},
                                  {settings_.exportMid, settings_.exportCsm, settings_.exportAdd});
    const bool ok = dialog.exec() == QDialog::Accepted;
    settings_.exportImportDir = directory.toStdString();
    if (!ok) return;
    const auto names = dialog.names();
    // A file the CASM reader refuses is said before anything changes.
    if (!names.csm.empty())
        if (const auto refused = casm::readCasmFile(names.csm, language_).failure) {
            base::ui::showMessage(dialogs_, this, *refused);
            return;
        }
    if (!mayDiscardChanges()) return;
    openedFile_ = QString::fromStdString(names.mid);
    saveFileName_.clear();
    setTitle(lookup(0, "Ctabber... ") + openedFile_);
    document::ImportResult imported;
    readDocument([this, &names, &imported](const document::ReadOptions& options) {
        imported = document::importPieces(doc_, names, ws_, options);
        return imported.read;
    });
    setCasmCommands(imported.casmImported);
    if (imported.casmImported && casmEditor_) casmEditor_->reloadWorkingFile(openedFile_);
    if (imported.casmImported) base::ui::showMessage(dialogs_, this, imported.message);
}

void MainWindow::mRemoveBankClick() {
    runBankRemoval([this](document::Document& doc, int& removed) {
        auto edit = events::bankRemoval(doc.events);
        removed = static_cast<int>(edit.removed.size());
        open_->apply(std::move(edit));
    });
}

void MainWindow::runBankRemoval(const std::function<void(document::Document&, int&)>& work) {
    if (reading_) return;
    reading_ = true;
    auto* wait = base::ui::showWaitWindow(this, lookup(122, "Removing Bank Change Messages..."), lookup(112, "Wait..."));
    wait->timer().stop();
    wait->label()->setStyleSheet("QLabel { background: yellow; color: blue; font-weight: bold; padding: 12px; }");
    const int row = currentRow();
    model_->setFrozen(true);
    if (roll_) roll_->documentBusy();
    int removed = 0;
    work(doc_, removed);
    model_->setFrozen(false);
    if (roll_) roll_->documentChanged();
    wait->close();
    wait->deleteLater();
    reading_ = false;
    setCurrentRow(std::min(std::max(row, 1), doc_.events.rowCount() - 1));
    setNotice(4, [this, removed] { return QString::number(removed) + " " + lookup(123, "Bank messages removed..."); });
}

void MainWindow::runCommandLine(const std::vector<std::string>& args) {
    const auto file = document::commandLineFile(args);
    if (!file) return;
    openFile(QString::fromStdString(file->name));
    if (file->removeBanks) runBankRemovalBatch();
}

void MainWindow::runBankRemovalBatch() {
    if (doc_.format != 0) {
        // Only format 0 can be written: the banks go, nothing is saved.
        base::removeFile(events::bankBatchTarget(ws_, doc_.fileName));
        mRemoveBankClick();
    } else {
        base::Outcome outcome;
        runBankRemoval([&](document::Document& doc, int& removed) {
            outcome = events::runBankBatch(doc, ws_, language_, &removed);
        });
        // A success is silent unless something was left out.
        if (!outcome.ok || !outcome.note.empty()) base::ui::showOutcome(dialogs_, this, outcome);
    }
    open_->saved();  // the batch ends by closing, without asking about its own change
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

}  // namespace app::ui

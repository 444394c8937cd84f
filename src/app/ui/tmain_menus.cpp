// The main window's menus, popup menu and captions in the language in use.
#include "app/ui/tmain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include "app/file_io.h"
#include "app/file_names.h"
#include "app/profile.h"
#include "app/ui/open_document.h"
#include "app/ui/tmess.h"
#include "app/ui/user_dialogs.h"
#include "document/export_import.h"
#include "document/recent_files.h"
#include "document/smf_writer.h"
#include "document/ui/event_row_painter.h"
#include "document/ui/event_table_model.h"
#include "document/ui/piece_dialogs.h"
#include "events/navigation.h"
#include "events/row_edit.h"
#include "names/name_sources.h"
#include "casm/ui/tctabber.h"
#include "names/ui/instrum.h"
#include "playback/ui/tmmplayer.h"
#include "app/ui/tmain_parts.h"

namespace app::ui {

using namespace main_window;

void TMain::track(int textId, const char* builtin, std::function<void(const QString&)> apply) {
    captions_.push_back({textId, QString::fromUtf8(builtin), std::move(apply)});
}

QAction* TMain::addAction(QMenu* menu, const char* name, int textId, const char* caption, const QKeySequence& key,
                          bool built) {
    auto* action = menu->addAction(caption);
    action->setObjectName(name);
    if (!key.isEmpty()) action->setShortcut(key);
    if (textId > 0) track(textId, caption, [action](const QString& t) { action->setText(t); });
    if (!built) {
        action->setEnabled(false);
        unbuilt_.push_back(action);
    }
    return action;
}

void TMain::buildMenus() {
    auto* bar = menuBar();
    bar->setObjectName("MainMenu1");
    auto topMenu = [this, bar](const char* name, int textId, const char* caption) {
        auto* menu = bar->addMenu(caption);
        menu->setObjectName(name);
        track(textId, caption, [menu](const QString& t) { menu->setTitle(t); });
        mainMenus_.push_back(menu);
        return menu;
    };

    fileMenu_ = topMenu("mFile", 1, "&File");
    auto* open = addAction(fileMenu_, "mOpen", 2, "&Open...", Qt::Key_F3, true);
    connect(open, &QAction::triggered, this, [this] { mOpenClick(); });
    mSaveas = addAction(fileMenu_, "mSaveas", 3, "&Save as ...", Qt::Key_F2, true);
    mSaveas->setEnabled(false);
    connect(mSaveas, &QAction::triggered, this, [this] { mSaveasClick(); });
    mExport = addAction(fileMenu_, "mExport", 4, "&Export to ...", {}, true);
    mExport->setEnabled(false);
    connect(mExport, &QAction::triggered, this, [this] { mExportClick(); });
    auto* import = addAction(fileMenu_, "mImport", 5, "&Import from ...", {}, true);
    connect(import, &QAction::triggered, this, [this] { mImportClick(); });
    auto* setup = addAction(fileMenu_, "mSetup", 6, "Set&up", {}, true);
    connect(setup, &QAction::triggered, this, [this] { mSetupClick(); });
    auto* exit = addAction(fileMenu_, "mExit", 7, "E&xit", {}, true);
    connect(exit, &QAction::triggered, this, [this] {
        if (!reading_) close();
    });

    auto* edit = topMenu("mEdit", 8, "&Edit");
    auto* undo = open_->undoStack().createUndoAction(this, "&Undo");
    undo->setObjectName("mUndo");
    undo->setShortcut(QKeySequence::Undo);
    auto* redo = open_->undoStack().createRedoAction(this, "&Redo");
    redo->setObjectName("mRedo");
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    auto* select = edit->addMenu("Select");
    select->setObjectName("mSelect");
    track(9, "Select", [select](const QString& t) { select->setTitle(t); });
    addAction(select, "mSelectEvents", 22, "Events...");
    addAction(select, "mSelectSection", 23, "Section");
    addAction(select, "mSelectAll", 24, "All");
    auto* unselect = edit->addMenu("Unselect");
    unselect->setObjectName("mUnselect");
    track(10, "Unselect", [unselect](const QString& t) { unselect->setTitle(t); });
    addAction(unselect, "mUnselectSection", 23, "Section");
    addAction(unselect, "mUnselectAll", 24, "All");
    addAction(edit, "mInsert", 11, "&Insert new MIDI Event...");
    addAction(edit, "mEditEvent", 12, "&Edit Event ...");
    addAction(edit, "mEditTick", 13, "Edit &Tick+ ...");
    addAction(edit, "mEditChannel", 14, "Edit &Channel...");
    addAction(edit, "mTranspose", 15, "Tr&anspose...");
    mRemoveBank = addAction(edit, "mRemoveBank", 34, "Remove Bank Events (GM only)", Qt::Key_F8, true);
    mRemoveBank->setEnabled(false);
    connect(mRemoveBank, &QAction::triggered, this, [this] { removeBankEvents(); });
    addAction(edit, "mCut", 16, "C&ut");
    addAction(edit, "mCopy", 17, "C&opy");
    addAction(edit, "mPaste", 18, "&Paste");
    addAction(edit, "mDelete", 19, "&Delete");
    addAction(edit, "mMoveUp", 20, "Move &Up");
    addAction(edit, "mMoveDown", 21, "Move D&own");

    auto* view = topMenu("mView", 25, "&View");
    mCasmEditor = addAction(view, "mCasmEditor", 26, "CASM &Editor", Qt::Key_F9, true);
    mCasmEditor->setEnabled(false);
    connect(mCasmEditor, &QAction::triggered, this, [this] { mCasmEditorClick(); });
    mCasmHex = addAction(view, "mCasmHex", 27, "CASM &Hex data", {}, true);
    mCasmHex->setEnabled(false);
    connect(mCasmHex, &QAction::triggered, this, [this] { mCasmHexClick(); });
    auto* instruments = addAction(view, "mInstruments", 28, "&Instruments...", Qt::Key_F7, true);
    connect(instruments, &QAction::triggered, this, [this] { mInstrumentsClick(); });
    auto* player = addAction(view, "mPlayer", 29, "&Player...", Qt::Key_F6, true);
    connect(player, &QAction::triggered, this, [this] { mPlayerClick(); });
    addAction(view, "mPianoRoll", 30, "Piano&Roll...", Qt::Key_F5)->setVisible(false);

    auto* create = topMenu("mCreate", 31, "&Create");
    mCreateCasm = addAction(create, "mCreateCasm", 32, "Create CASM &section", Qt::Key_F4, true);
    mCreateCasm->setEnabled(false);
    connect(mCreateCasm, &QAction::triggered, this, [this] { mCreateCasmClick(); });

    auto* help = topMenu("mHelp", 35, "&Help");
    auto* contents = addAction(help, "mContents", 36, "&Contents...", Qt::Key_F1, true);
    connect(contents, &QAction::triggered, this, [this] { mContentsClick(); });
    auto* about = addAction(help, "mAbout", 37, "&About...", {}, true);
    connect(about, &QAction::triggered, this, [this] { mAboutClick(); });
}

void TMain::buildPopupMenu() {
    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName("PopupMenu");
    auto* flip = addAction(PopupMenu, "pmSelUnsel", 189, "Select/Unselect     INS", {}, true);
    connect(flip, &QAction::triggered, this, [this] { pmSelUnselClick(); });
    addAction(PopupMenu, "pmSelectEvents", 197, "Select Events...");
    addAction(PopupMenu, "pmSelectSection", 198, "Select section");
    addAction(PopupMenu, "pmSelectAll", 199, "Select all");
    addAction(PopupMenu, "pmUnselectSection", 193, "Unselect section");
    addAction(PopupMenu, "pmUnselectAll", 200, "Unselect all");
    PopupMenu->addSeparator();
    addAction(PopupMenu, "pmEditEvent", 12, "&Edit Event ...");
    addAction(PopupMenu, "pmInsert", 11, "&Insert new MIDI Event...");
    addAction(PopupMenu, "pmEditTick", 13, "Edit Tick+ ...");
    PopupMenu->addSeparator();
    addAction(PopupMenu, "pmCopy", 17, "&Copy");
    addAction(PopupMenu, "pmCut", 16, "C&ut");
    addAction(PopupMenu, "pmPaste", 18, "&Paste");
    addAction(PopupMenu, "pmDelete", 19, "&Delete");
    addAction(PopupMenu, "pmMoveUp", 20, "Move &Up");
    addAction(PopupMenu, "pmMoveDown", 21, "Move &Down");
    PopupMenu->addSeparator();
    mUseColor = addAction(PopupMenu, "mUseColor", 201, "Use &color mapping", {}, true);
    mUseColor->setCheckable(true);
    mUseColor->setChecked(true);
    connect(mUseColor, &QAction::triggered, this, [this] { mUseColorClick(); });
}

void TMain::fillFindLists() {
    const int kind = ComboBoxFind->currentIndex();
    const int chan = ComboFindChan->currentIndex();
    ComboBoxFind->clear();
    for (int k = 0; k < events::kFindKindCount; ++k) {
        const std::string caption(events::findKindCaption(k));
        ComboBoxFind->addItem(lookup(51 + k, caption.c_str()));
    }
    ComboFindChan->clear();
    ComboFindChan->addItem(lookup(49, "Any"));
    const QString chanWord = lookup(50, "Chan");
    for (int c = 1; c <= 16; ++c) ComboFindChan->addItem(chanWord + QString::number(c));
    ComboBoxFind->setCurrentIndex(kind < 0 ? 0 : kind);
    ComboFindChan->setCurrentIndex(chan < 0 ? 0 : chan);
}

void TMain::translate() {
    for (const auto& caption : captions_) caption.apply(lookup(caption.id, caption.builtin.toUtf8().constData()));
    fillFindLists();
    layoutColumns();
}

QString TMain::lookup(int id, const char* builtin) const { return QString::fromStdString(language_.text(id, builtin)); }

}  // namespace app::ui

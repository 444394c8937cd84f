// The main window's menus, popup menu and captions in the language in use.
#include "app/ui/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include "app/ui/open_document.h"
#include "events/navigation.h"

namespace app::ui {

void MainWindow::track(int textId, const char* builtin, std::function<void(const QString&)> apply) {
    captions_.push_back({textId, QString::fromUtf8(builtin), std::move(apply)});
}

QAction* MainWindow::addAction(QMenu* menu, const char* name, int textId, const char* caption, const QKeySequence& key,
                          std::function<void()> run) {
    auto* action = menu->addAction(caption);
    action->setObjectName(name);
    if (!key.isEmpty()) action->setShortcut(key);
    if (textId > 0) track(textId, caption, [action](const QString& t) { action->setText(t); });
    if (run) connect(action, &QAction::triggered, this, std::move(run));
    else action->setEnabled(false);
    return action;
}

void MainWindow::buildMenus() {
    auto* bar = menuBar();
    bar->setObjectName("MainMenu1");
    auto topMenu = [this, bar](const char* name, int textId, const char* caption) {
        auto* menu = bar->addMenu(caption);
        menu->setObjectName(name);
        track(textId, caption, [menu](const QString& t) { menu->setTitle(t); });
        mainMenus_.push_back(menu);
        return menu;
    };
    auto subMenu = [this](QMenu* parent, const char* name, int textId, const char* caption) {
        auto* menu = parent->addMenu(caption);
        menu->setObjectName(name);
        track(textId, caption, [menu](const QString& t) { menu->setTitle(t); });
        return menu;
    };

    fileMenu_ = topMenu("mFile", 1, "&File");
    addAction(fileMenu_, "mOpen", 2, "&Open...", Qt::Key_F3, [this] { mOpenClick(); });
    mSaveas = addAction(fileMenu_, "mSaveas", 3, "&Save as ...", Qt::Key_F2, [this] { mSaveasClick(); });
    mExport = addAction(fileMenu_, "mExport", 4, "&Export to ...", {}, [this] { mExportClick(); });
    addAction(fileMenu_, "mImport", 5, "&Import from ...", {}, [this] { mImportClick(); });
    addAction(fileMenu_, "mSetup", 6, "Set&up", {}, [this] { mSetupClick(); });
    addAction(fileMenu_, "mExit", 7, "E&xit", {}, [this] {
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
    auto* select = subMenu(edit, "mSelect", 9, "Select");
    addAction(select, "mSelectEvents", 22, "Events...", {}, [this] { mSelectEventsClick(); });
    addAction(select, "mSelectSection", 23, "Section", {}, [this] { mSelectSectionClick(); });
    addAction(select, "mSelectAll", 24, "All", {}, [this] { mSelectAllClick(); });
    auto* unselect = subMenu(edit, "mUnselect", 10, "Unselect");
    addAction(unselect, "mUnselectSection", 23, "Section", {}, [this] { mUnselectSectionClick(); });
    addAction(unselect, "mUnselectAll", 24, "All", {}, [this] { mUnselectAllClick(); });
    addAction(edit, "mInsert", 11, "&Insert new MIDI Event...", {}, [this] { mInsertClick(); });
    addAction(edit, "mEditEvent", 12, "&Edit Event ...", {}, [this] { mEditEventClick(); });
    addAction(edit, "mEditTick", 13, "Edit &Tick+ ...", {}, [this] { mEditTickClick(); });
    addAction(edit, "mEditChannel", 14, "Edit &Channel...", {}, [this] { mEditChannelClick(); });
    addAction(edit, "mTranspose", 15, "Tr&anspose...", {}, [this] { mTransposeClick(); });
    mRemoveBank = addAction(edit, "mRemoveBank", 34, "Remove Bank Events (GM only)", Qt::Key_F8,
                            [this] { mRemoveBankClick(); });
    addAction(edit, "mCut", 16, "C&ut", {}, [this] { mCutClick(); });
    addAction(edit, "mCopy", 17, "C&opy", {}, [this] { mCopyClick(); });
    addAction(edit, "mPaste", 18, "&Paste", {}, [this] { mPasteClick(); });
    addAction(edit, "mDelete", 19, "&Delete", {}, [this] { mDeleteClick(); });
    addAction(edit, "mMoveUp", 20, "Move &Up", {}, [this] { moveEvent(true); });
    addAction(edit, "mMoveDown", 21, "Move D&own", {}, [this] { moveEvent(false); });

    auto* view = topMenu("mView", 25, "&View");
    mCasmEditor = addAction(view, "mCasmEditor", 26, "CASM &Editor", Qt::Key_F9, [this] { mCasmEditorClick(); });
    mCasmHex = addAction(view, "mCasmHex", 27, "CASM &Hex data", {}, [this] { mCasmHexClick(); });
    addAction(view, "mInstruments", 28, "&Instruments...", Qt::Key_F7, [this] { mInstrumentsClick(); });
    addAction(view, "mPlayer", 29, "&Player...", Qt::Key_F6, [this] { mPlayerClick(); });
    addAction(view, "mPianoRoll", 30, "Piano&Roll...", Qt::Key_F5, [this] { mPianoRollClick(); });

    auto* create = topMenu("mCreate", 31, "&Create");
    mCreateCasm = addAction(create, "mCreateCasm", 32, "Create CASM &section", Qt::Key_F4, [this] { mCreateCasmClick(); });

    auto* help = topMenu("mHelp", 35, "&Help");
    addAction(help, "mContents", 36, "&Contents...", Qt::Key_F1, [this] { mContentsClick(); });
    addAction(help, "mAbout", 37, "&About...", {}, [this] { mAboutClick(); });

    // Until a file is read.
    for (auto* action : {mSaveas, mExport, mRemoveBank, mCasmEditor, mCasmHex, mCreateCasm}) action->setEnabled(false);
}

void MainWindow::buildPopupMenu() {
    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName("PopupMenu");
    addAction(PopupMenu, "pmSelUnsel", 189, "Select/Unselect     INS", {}, [this] { pmSelUnselClick(); });
    addAction(PopupMenu, "pmSelectEvents", 197, "Select Events...", {}, [this] { mSelectEventsClick(); });
    addAction(PopupMenu, "pmSelectSection", 198, "Select section", {}, [this] { mSelectSectionClick(); });
    addAction(PopupMenu, "pmSelectAll", 199, "Select all", {}, [this] { mSelectAllClick(); });
    addAction(PopupMenu, "pmUnselectSection", 193, "Unselect section", {}, [this] { mUnselectSectionClick(); });
    addAction(PopupMenu, "pmUnselectAll", 200, "Unselect all", {}, [this] { mUnselectAllClick(); });
    PopupMenu->addSeparator();
    addAction(PopupMenu, "pmEditEvent", 12, "&Edit Event ...", {}, [this] { mEditEventClick(); });
    addAction(PopupMenu, "pmInsert", 11, "&Insert new MIDI Event...", {}, [this] { mInsertClick(); });
    addAction(PopupMenu, "pmEditTick", 13, "Edit Tick+ ...", {}, [this] { mEditTickClick(); });
    PopupMenu->addSeparator();
    addAction(PopupMenu, "pmCopy", 17, "&Copy", {}, [this] { mCopyClick(); });
    addAction(PopupMenu, "pmCut", 16, "C&ut", {}, [this] { mCutClick(); });
    addAction(PopupMenu, "pmPaste", 18, "&Paste", {}, [this] { mPasteClick(); });
    addAction(PopupMenu, "pmDelete", 19, "&Delete", {}, [this] { mDeleteClick(); });
    addAction(PopupMenu, "pmMoveUp", 20, "Move &Up", {}, [this] { moveEvent(true); });
    addAction(PopupMenu, "pmMoveDown", 21, "Move &Down", {}, [this] { moveEvent(false); });
    PopupMenu->addSeparator();
    mUseColor = addAction(PopupMenu, "mUseColor", 201, "Use &color mapping", {}, [this] { mUseColorClick(); });
    mUseColor->setCheckable(true);
    mUseColor->setChecked(true);
}

void MainWindow::fillFindLists() {
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

void MainWindow::translate() {
    for (const auto& caption : captions_) caption.apply(lookup(caption.id, caption.builtin.toUtf8().constData()));
    fillFindLists();
    layoutColumns();
    remakeNotices();
}

QString MainWindow::lookup(int id, const char* builtin) const { return QString::fromStdString(language_.text(id, builtin)); }

}  // namespace app::ui

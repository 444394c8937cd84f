#include "casm/ui/casm_editor_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>
#include <span>

#include "base/file_io.h"
#include "base/profile.h"
#include "base/ui/cut_texts.h"
#include "base/ui/row_grid.h"
#include "base/ui/window_position.h"
#include "casm/editor_grid.h"
#include "casm/reader.h"
#include "casm/ui/casm_row_painter.h"
#include "casm/ui/casm_table_model.h"
#include "casm/ui/open_casm.h"

namespace casm::ui {
namespace {

constexpr const char* kSettings = "Ctabber";
constexpr int kRowHeight = 18;

std::vector<int> shares(std::span<const Column> columns) {
    std::vector<int> out;
    for (const auto& c : columns) out.push_back(c.widthShare);
    return out;
}

}  // namespace

CasmEditorWindow::CasmEditorWindow(QWidget* parent, CasmEditorContext context)
    : QDialog(parent),
      context_(std::move(context)),
      captions_(context_.language),
      casm_(new OpenCasm(this)),
      model_(new CasmTableModel(*casm_, context_.language, this)) {
    setObjectName("Ctabber");
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    captions_.add(153, "CASM Editor", [this](const QString& t) { setWindowTitle(t); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildGrid();
    buildPanel();
    buildMenus();
    buildPopupMenu();
    buildStatusBar();
    layout->setMenuBar(MainMenu1);
    layout->addWidget(Panel1);
    layout->addWidget(StringGrid1, 1);
    layout->addWidget(StatusBar1);
    connectPanel();

    connect(casm_, &OpenCasm::edited, this, [this](bool rowsMoved) {
        model_->listEdited(rowsMoved);
        listEdited();
    });
    connect(casm_, &OpenCasm::marksChanged, this, [this] {
        model_->marksChanged();
        showStatus();
    });
    connect(casm_, &OpenCasm::modifiedChanged, this, [this](bool modified) {
        if (auto* undo = findChild<QAction*>("mUndo")) undo->setEnabled(modified);
    });

    loadSettings();
    if (const auto list = readCasmFile(context_.workspace.casm(), true)) {
        casm_->replaced(*list);
        opened_ = true;
    }
    // The clipboard of an earlier window or run can be pasted.
    const bool clipboard = base::fileExists(context_.workspace.file(base::files::casmCopy));
    for (auto* paste : pasteActions_) paste->setEnabled(clipboard);
    panels_[2]->setText(context_.styleFile);
    setCurrentRow(1);
    applyPlace();
}

void CasmEditorWindow::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // The stored column widths hold while the window system settles the first size.
    keepStoredWidths_ = true;
    QTimer::singleShot(0, this, [this] { layoutColumns(); });
    QTimer::singleShot(1000, this, [this] { keepStoredWidths_ = false; });
}

CasmEditorWindow::~CasmEditorWindow() = default;

DialogContext CasmEditorWindow::dialogContext() const {
    return {context_.dialogs, context_.language, context_.workspace.settings()};
}

QString CasmEditorWindow::text(int id) const { return captions_.text(id); }
QString CasmEditorWindow::text(int id, const char* builtin) const { return captions_.text(id, builtin); }

// ---------------------------------------------------------------- building

void CasmEditorWindow::buildGrid() {
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->setModel(model_);
    StringGrid1->setItemDelegate(new CasmRowPainter(StringGrid1));
    base::ui::setUpRowGrid(StringGrid1, kRowHeight);
    base::ui::showCutTextsAsTooltips(*StringGrid1);
    StringGrid1->installEventFilter(this);
    connect(StringGrid1, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        StringGrid1DblClick(CasmTableModel::gridRow(index.row()), index.column());
    });
    connect(StringGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(StringGrid1->viewport()->mapToGlobal(pos)); });
    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { currentChanged(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        // A new layout of the rows loses the view's current index; the model keeps the row.
        QTimer::singleShot(0, this, [this] { setCurrentRow(model_->currentGridRow()); });
    });
}

QAction* CasmEditorWindow::command(QMenu* menu, const char* name, int textId, const char* caption, const QKeySequence& key,
                           void (CasmEditorWindow::*run)()) {
    auto* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    if (textId > 0) captions_.add(textId, caption, [action](const QString& t) { action->setText(t); });
    if (run) connect(action, &QAction::triggered, this, run);
    addAction(action);
    return action;
}

void CasmEditorWindow::buildMenus() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    auto top = [this](const char* name, int textId, const char* caption) {
        auto* menu = MainMenu1->addMenu(caption);
        menu->setObjectName(name);
        captions_.add(textId, caption, [menu](const QString& t) { menu->setTitle(t); });
        return menu;
    };
    auto sub = [this](QMenu* parent, const char* name, int textId, const char* caption) {
        auto* menu = parent->addMenu(caption);
        menu->setObjectName(name);
        if (textId > 0) captions_.add(textId, caption, [menu](const QString& t) { menu->setTitle(t); });
        return menu;
    };

    auto* file = top("mFile", 1, "&File");
    command(file, "mUndo", 131, "&Undo changes", {}, &CasmEditorWindow::mUndoClick)->setEnabled(false);
    command(file, "mOpen", 2, "&Open...", Qt::Key_F3, &CasmEditorWindow::mOpenClick);
    command(file, "mSave", 132, "&Save", Qt::Key_F2, &CasmEditorWindow::mSaveClick);
    command(file, "mSaveas", 3, "Save &as...", {}, &CasmEditorWindow::mSaveasClick);
    command(file, "mCheckCASM", 133, "Check CASM", {}, &CasmEditorWindow::mCheckCASMClick);
    file->addSeparator();
    command(file, "mExit", 7, "&Exit", {}, nullptr);
    connect(findChild<QAction*>("mExit"), &QAction::triggered, this, &QDialog::close);

    auto* edit = top("mEdit", 8, "&Edit");
    // The editor's own history of changes, beside "Undo changes".
    auto* undo = casm_->undoStack().createUndoAction(this, "&Undo");
    undo->setObjectName("mUndoEdit");
    undo->setShortcut(QKeySequence::Undo);
    auto* redo = casm_->undoStack().createRedoAction(this, "&Redo");
    redo->setObjectName("mRedoEdit");
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (auto* a : {undo, redo}) {
        a->setShortcutContext(Qt::WindowShortcut);
        edit->addAction(a);
        addAction(a);
    }
    edit->addSeparator();
    auto* select = sub(edit, "mSelect", 9, "Select");
    auto* unselect = sub(edit, "mUnselect", 10, "&Unselect");
    const struct {
        const char* name;
        int id;
        const char* caption;
        int by;
    } marks[] = {{"Section", 144, "&Section", 0}, {"Track", 145, "&Track", 1}, {"Channel", 146, "&Channel", 2}};
    for (const auto& m : marks) {
        const int by = m.by;
        auto* on = command(select, (std::string("mSelect") + m.name).c_str(), m.id, m.caption, {}, nullptr);
        connect(on, &QAction::triggered, this, [this, by] { mark(by, true); });
        auto* off = command(unselect, (std::string("mUnselect") + m.name).c_str(), m.id, m.caption, {}, nullptr);
        connect(off, &QAction::triggered, this, [this, by] { mark(by, false); });
    }
    command(select, "mSelectSections", 147, "S&ections...", {}, &CasmEditorWindow::mSelectSectionsClick);
    connect(command(select, "mSelectAll", 148, "&All", {}, nullptr), &QAction::triggered, this, [this] { mark(3, true); });
    connect(command(unselect, "mUnselectAll", 148, "&All", {}, nullptr), &QAction::triggered, this,
            [this] { mark(3, false); });
    edit->addSeparator();
    command(edit, "mCut", 16, "C&ut", QKeySequence(Qt::CTRL | Qt::Key_X), &CasmEditorWindow::mCutClick);
    command(edit, "mCopy", 17, "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C), &CasmEditorWindow::mCopyClick);
    pasteActions_.push_back(command(edit, "mPaste", 18, "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V), &CasmEditorWindow::mPasteClick));
    command(edit, "mDelete", 19, "&Delete", {}, &CasmEditorWindow::mDeleteClick);
    command(edit, "mDeleteCntt", 375, "Delete all Cntt data", Qt::Key_F8, &CasmEditorWindow::mDeleteCnttClick);
    edit->addSeparator();
    command(edit, "mTrChTbl", 134, "Track to Channel table", {}, &CasmEditorWindow::mTrChTblClick);
    command(edit, "mByteEditor", 135, "C&ASM byte editor", Qt::Key_F4, &CasmEditorWindow::mByteEditorClick);
    command(edit, "mSaveCtab", 136, "Save to Ctab file ...", {}, &CasmEditorWindow::mSaveCtabClick);
    command(edit, "mLoadCtab", 137, "Load from Ctab file ...", {}, &CasmEditorWindow::mLoadCtabClick);
    edit->addSeparator();
    command(edit, "mSetEditable", 384, "Set CASM Editable", {}, &CasmEditorWindow::mSetEditableClick);
    command(edit, "mSetReadOnly", 385, "Set CASM Read Only", {}, &CasmEditorWindow::mSetReadOnlyClick);

    auto* view = top("mView", 25, "&View");
    auto* sorts = new QActionGroup(this);
    const struct {
        const char* name;
        int id;
        const char* caption;
    } sortItems[] = {{"mSortSection", 138, "Sort by &Section"}, {"mSortChannel", 139, "Sort by &Channel"},
                     {"mSortTrack", 374, "Sort by &Track"}};
    for (int mode = 0; mode < 3; ++mode) {
        auto* a = command(view, sortItems[mode].name, sortItems[mode].id, sortItems[mode].caption, {}, nullptr);
        a->setCheckable(true);
        a->setChecked(mode == 0);
        sorts->addAction(a);
        connect(a, &QAction::triggered, this, [this, mode] { setSortMode(mode); });
    }
    view->addSeparator();
    zoneGroup_ = new QActionGroup(this);
    const char* zoneNames[] = {"mZoneLow", "mZoneMiddle", "mZoneHigh"};
    const char* zoneCaptions[] = {"SFF2 &low zone", "SFF2 &middle zone", "SFF2 &high zone"};
    for (int z = 0; z < kZoneCount; ++z) {
        auto* a = command(view, zoneNames[z], 0, zoneCaptions[z], {}, nullptr);
        a->setCheckable(true);
        a->setChecked(z == static_cast<int>(Zone::Middle));
        zoneGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [this, z] { setShownZone(static_cast<Zone>(z)); });
    }
    auto* allZones = command(view, "mAllZones", 0, "SFF2: all &zones in columns", {}, nullptr);
    allZones->setCheckable(true);
    connect(allZones, &QAction::toggled, this, [this](bool on) {
        model_->setAllZones(on);
        layoutColumns();
        setCurrentRow(model_->currentGridRow());
    });

    auto* assign = top("mAssign", 140, "&Assign");
    connect(assign, &QMenu::aboutToShow, this, [this] { assignMenuShow(); });
    assignSection_ = sub(assign, "mAssignSection", 141, "&Section");
    assignChannel_ = sub(assign, "mAssignChannel", 142, "&Channel");
    assignSelected_ = sub(assign, "mAssignSelected", 143, "&In selected...");
    for (int group = 0; group < 3; ++group) {
        QMenu* menu = group == 0 ? assignSection_ : group == 1 ? assignChannel_ : assignSelected_;
        const std::string prefix = group == 0 ? "mSection" : group == 1 ? "mChannel" : "mSelected";
        if (group < 2) {
            connect(command(menu, (prefix + "Root").c_str(), 149, "Chord &Root ...", {}, nullptr), &QAction::triggered,
                    this, [this, group] { assignChord(group, 0); });
            connect(command(menu, (prefix + "Type").c_str(), 150, "Chord &Type ...", {}, nullptr), &QAction::triggered,
                    this, [this, group] { assignChord(group, 1); });
        }
        connect(command(menu, (prefix + "RootType").c_str(), 151, "Chord Root and Chord Type ...", {}, nullptr),
                &QAction::triggered, this, [this, group] { assignChord(group, 2); });
        const QKeySequence key = group == 0 ? QKeySequence(Qt::CTRL | Qt::Key_S)
                                 : group == 1 ? QKeySequence(Qt::CTRL | Qt::Key_A)
                                              : QKeySequence();
        connect(command(menu, (prefix + "Assign").c_str(), 152, "Assign ...", key, nullptr), &QAction::triggered, this,
                [this, group] { assignRules(group); });
    }

    auto* help = top("mHelp", 35, "&Help");
    help->menuAction()->setEnabled(false);
}

void CasmEditorWindow::buildPopupMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    command(PopupMenu1, "pmSelUnsel", 189, "Select/Unselect    INS", {}, nullptr);
    connect(findChild<QAction*>("pmSelUnsel"), &QAction::triggered, this, [this] { flipMark(false); });
    const struct {
        const char* name;
        int id;
        const char* caption;
        int by;
        bool on;
    } marks[] = {{"pmSelectSection", 190, "&Select section", 0, true},     {"pmSelectTrack", 191, "Select &track", 1, true},
                 {"pmSelectChannel", 192, "Select c&hannel", 2, true},     {"pmUnselectSection", 193, "Unselect section", 0, false},
                 {"pmUnselectTrack", 194, "Unselect track", 1, false},     {"pmUnselectChannel", 195, "Unselect channel", 2, false}};
    for (const auto& m : marks) {
        const int by = m.by;
        const bool on = m.on;
        connect(command(PopupMenu1, m.name, m.id, m.caption, {}, nullptr), &QAction::triggered, this,
                [this, by, on] { mark(by, on); });
    }
    PopupMenu1->addSeparator();
    command(PopupMenu1, "pmCut", 16, "C&ut", {}, &CasmEditorWindow::mCutClick);
    command(PopupMenu1, "pmCopy", 17, "&Copy", {}, &CasmEditorWindow::mCopyClick);
    pasteActions_.push_back(command(PopupMenu1, "pmPaste", 18, "&Paste", {}, &CasmEditorWindow::mPasteClick));
    command(PopupMenu1, "pmDelete", 19, "&Delete", {}, &CasmEditorWindow::mDeleteClick);
    command(PopupMenu1, "pmByteEditor", 135, "C&ASM byte editor", {}, &CasmEditorWindow::mByteEditorClick);
    PopupMenu1->addSeparator();
    panelAction_ = command(PopupMenu1, "pmPanel", 196, "Panel", {}, nullptr);
    panelAction_->setCheckable(true);
    panelAction_->setChecked(true);
    connect(panelAction_, &QAction::toggled, Panel1, &QWidget::setVisible);
}

void CasmEditorWindow::buildStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(true);
    const int widths[] = {90, 110, 300};
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(StatusBar1);
        panels_[i]->setObjectName(QString("Panel%1").arg(i));
        panels_[i]->setMinimumWidth(widths[i]);
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar1->addWidget(panels_[i], i == 2 ? 1 : 0);
    }
}

void CasmEditorWindow::layoutColumns() {
    const int visible = StringGrid1->viewport()->width();
    if (visible == laidOutWidth_ && !keepStoredWidths_) return;
    laidOutWidth_ = visible;
    // The shares of the grid's width, but never narrower than the heading.
    const QFontMetrics metrics = StringGrid1->horizontalHeader()->fontMetrics();
    auto set = [&](int c, int width) {
        const int heading = metrics.horizontalAdvance(model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) + 10;
        StringGrid1->setColumnWidth(c, std::max(width, heading));
    };
    // Where the room allows, no heading or text is cut.
    const auto whole = base::ui::wholeTextWidths(*StringGrid1);
    const std::span<const int> least(whole);
    const auto widths = columnWidths(shares(gridColumns()), visible, 10, least.first(std::min<std::size_t>(whole.size(), kGridColumns)));
    for (int c = 0; c < kGridColumns; ++c) {
        const int stored = storedWidths_[static_cast<std::size_t>(c)];
        if (keepStoredWidths_ && stored > 0) StringGrid1->setColumnWidth(c, stored);
        else set(c, widths[static_cast<std::size_t>(c)]);
    }
    if (!model_->allZones()) return;
    const auto extra = columnWidths(shares(ctb2Columns()), visible, 10,
                                    whole.size() > kGridColumns ? least.subspan(kGridColumns) : std::span<const int>{});
    for (int c = 0; c < kCtb2Columns; ++c) set(kGridColumns + c, extra[static_cast<std::size_t>(c)]);
}

void CasmEditorWindow::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    QTimer::singleShot(0, this, [this] { layoutColumns(); });
}

void CasmEditorWindow::translate() {
    captions_.apply();
    model_->headersChanged();
    showEntry();
    showStatus();
}

// ---------------------------------------------------------------- settings

void CasmEditorWindow::loadSettings() {
    const base::Profile p(context_.workspace.settings());
    stored_ = {p.readInt(kSettings, "Left", 218), p.readInt(kSettings, "Top", 102), p.readInt(kSettings, "Width", 796),
               p.readInt(kSettings, "Height", 453)};
    openDir_ = QString::fromStdString(p.readString(kSettings, "OpenDialog", ""));
    saveDir_ = QString::fromStdString(p.readString(kSettings, "SaveDialog", ""));
    openDir2_ = QString::fromStdString(p.readString(kSettings, "OpenDialog2", ""));
    saveDir2_ = QString::fromStdString(p.readString(kSettings, "SaveDialog2", ""));
    panelAction_->setChecked(p.readBool(kSettings, "Panel", true));
    // Stored widths hold until the window is resized; without them the shares apply.
    for (int c = 0; c < kGridColumns; ++c)
        storedWidths_[static_cast<std::size_t>(c)] = std::clamp(p.readInt(kSettings, "ColWidths" + std::to_string(c), 0),
                                                                0, base::ui::widthWithinScreen(*this, 4096));
}

void CasmEditorWindow::applyPlace() {
    // Wide enough for every column's heading and texts (within the screen),
    // however narrow the stored width; then fitted to the screen, whatever
    // the settings file holds.
    const auto whole = base::ui::wholeTextWidths(*StringGrid1);
    const int columns = std::accumulate(whole.begin(), whole.begin() + std::min<std::ptrdiff_t>(std::ssize(whole), kGridColumns), 0);
    auto place = stored_;
    place.width = std::max(place.width, base::ui::widthWithinScreen(*this, columns + base::ui::gridChrome(*StringGrid1) + 10));
    base::ui::applyBounds(*this, place);
}

void CasmEditorWindow::saveSettings() {
    base::Profile p(context_.workspace.settings());
    const QRect client = geometry();
    p.writeInt(kSettings, "Top", client.y());
    p.writeInt(kSettings, "Left", client.x());
    p.writeInt(kSettings, "Height", client.height());
    p.writeInt(kSettings, "Width", client.width());
    p.writeString(kSettings, "OpenDialog", openDir_.toStdString());
    p.writeString(kSettings, "SaveDialog", saveDir_.toStdString());
    p.writeString(kSettings, "OpenDialog2", openDir2_.toStdString());
    p.writeString(kSettings, "SaveDialog2", saveDir2_.toStdString());
    p.writeBool(kSettings, "Panel", panelAction_->isChecked());
    for (int c = 0; c < kGridColumns; ++c)
        p.writeInt(kSettings, "ColWidths" + std::to_string(c), StringGrid1->columnWidth(c));
    p.save();
}

void CasmEditorWindow::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible()) saveSettings();
}

void CasmEditorWindow::done(int result) {
    if (closing_) return;
    if (casm_->modified()) {
        const auto answer = context_.dialogs.message(this, text(91), text(173), base::Icon::Warning, true);
        // A save that is refused or cancelled keeps the window open with the changes.
        if (answer == base::ui::Answer::Yes && !writeTo(context_.workspace.casm())) return;
    }
    closing_ = true;
    saveSettings();
    QDialog::done(result);
    closing_ = false;
}

// ---------------------------------------------------------------- reading and the grid

std::optional<CasmList> CasmEditorWindow::readCasmFile(const std::filesystem::path& file, bool reportFailure) {
    auto read = casm::readCasmFile(file, context_.language);
    if (!read.ok()) {
        // Nothing of a file that is refused is taken: the list stays as it was.
        if (reportFailure) base::ui::showMessage(context_.dialogs, this, *read.failure);
        return std::nullopt;
    }
    return CasmList{std::move(read.entries), std::move(read.keptCntt)};
}

bool CasmEditorWindow::reloadWorkingFile(const QString& styleFile) {
    const auto list = readCasmFile(context_.workspace.casm(), true);
    if (!list) return false;
    casm_->replaced(*list);
    context_.styleFile = styleFile;
    panels_[2]->setText(styleFile);
    setCurrentRow(1);
    return true;
}

int CasmEditorWindow::currentRow() const {
    const auto index = StringGrid1->currentIndex();
    return index.isValid() ? CasmTableModel::gridRow(index.row()) : 0;
}

void CasmEditorWindow::setCurrentRow(int gridRow) {
    if (model_->rowCount() == 0) {
        model_->setCurrentGridRow(0);
        currentChanged();
        return;
    }
    if (gridRow < 1 || gridRow > model_->rowCount()) gridRow = 1;
    const int column = std::max(StringGrid1->currentIndex().column(), 0);
    const auto index = model_->index(CasmTableModel::modelRow(gridRow), column);
    StringGrid1->setCurrentIndex(index);
    StringGrid1->scrollTo(index);
    currentChanged();
}

void CasmEditorWindow::selectEntry(std::size_t index) {
    if (index >= casm_->entries().size()) return;
    setCurrentRow(model_->gridRowOf(index));
    raise();
}

int CasmEditorWindow::currentEntry() const { return model_->entryAt(model_->currentGridRow()); }

const Entry* CasmEditorWindow::current() const {
    const int at = currentEntry();
    return at < 0 ? nullptr : &casm_->entries()[static_cast<std::size_t>(at)];
}

void CasmEditorWindow::currentChanged() {
    const int row = currentRow();
    model_->setCurrentGridRow(row);
    showEntry();
    showStatus();
}

void CasmEditorWindow::listEdited() {
    // The same row stays current while it exists, else the first.
    const int row = model_->currentGridRow();
    setCurrentRow(row >= 1 && row <= model_->rowCount() ? row : 1);
}

void CasmEditorWindow::showStatus() {
    const Entry* e = current();
    panels_[0]->setText("Ctab Len:" + (e ? QString::number(e->length) : QString()));
    panels_[1]->setText(text(188) + QString::number(markedCount(casm_->entries())));
}

QString CasmEditorWindow::panelText(int panel) const {
    return panel >= 0 && panel < 3 ? panels_[static_cast<std::size_t>(panel)]->text() : QString();
}

void CasmEditorWindow::change(const QString& name, const std::function<void(CasmList&)>& alter) {
    CasmList after = casm_->list();
    alter(after);
    casm_->apply(changedEntries(casm_->list(), std::move(after), name.toStdString()));
}

void CasmEditorWindow::changeCurrent(const QString& name, const std::function<void(Entry&)>& alter) {
    const int at = currentEntry();
    if (at < 0) return;
    CasmList after = casm_->list();
    alter(after.entries[static_cast<std::size_t>(at)]);
    casm_->apply(changedEntries(casm_->list(), std::move(after), name.toStdString()));
}

bool CasmEditorWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == StringGrid1 && e->type() == QEvent::KeyPress) {
        bool handled = false;
        StringGrid1KeyDown(static_cast<QKeyEvent*>(e), handled);
        if (handled) return true;
    }
    return QDialog::eventFilter(watched, e);
}

void CasmEditorWindow::StringGrid1KeyDown(QKeyEvent* e, bool& handled) {
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    handled = true;
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: mByteEditorClick(); return;
        case Qt::Key_Insert:
            if (shift) mPasteClick();
            else if (ctrl) mCopyClick();
            else flipMark(true);
            return;
        case Qt::Key_Delete:
            if (shift) mCutClick();
            else mDeleteClick();
            return;
        case Qt::Key_Plus:
            if (keypad) return mPasteClick();
            break;
        case Qt::Key_Minus:
            if (keypad) return clearMarks();
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            // Shift+arrow flips the mark of the row it leaves; the row moves as usual.
            if (shift) flipMark(false);
            handled = false;
            if (shift) {
                const int next = currentRow() + (e->key() == Qt::Key_Up ? -1 : 1);
                if (next >= 1 && next <= model_->rowCount()) setCurrentRow(next);
                handled = true;
            }
            return;
        default: break;
    }
    handled = false;
}

}  // namespace casm::ui

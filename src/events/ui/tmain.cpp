#include "events/ui/tmain.h"

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

namespace events::ui {
namespace {

using document::ui::EventTableModel;

// Posted while the settings are read and handled once the window is shown,
// so the stored bounds replace whatever the window system chose first.
const QEvent::Type kApplyMainBounds = static_cast<QEvent::Type>(QEvent::User + 2000);

constexpr int kRowHeight = 18;
constexpr int kFirstColumnWidth = 48;
// Shares of the grid's width, in per cent, of columns 1 to 8.
constexpr int kColumnShares[8] = {4, 4, 7, 10, 4, 20, 20, 31};
constexpr int kPanelWidths[6] = {170, 170, 110, 210, 90, 90};
constexpr int kStatusWidths[6] = {70, 70, 70, 260, 200, 50};
// Reads longer than this show the busy indicator.
constexpr int kBusyAfterMs = 300;

const QStringList& openFilters() {
    static const QStringList filters = app::ui::qtFilters({
        "MIDI files (*.mid)|*.mid", "Yamaha styles (*.sty)|*.sty", "TYROS basic style files (*.bcs)|*.bcs",
        "TYROS pro style files (*.prs)|*.prs", "TYROS session style files (*.sst)|*.sst",
        "Pianist - solo piano styles (*.pst)|*.pst", "Piano combo styles (*.pcs)|*.pcs", "All files (*.*)|*.*"});
    return filters;
}

QStringList saveFilters() {
    QStringList filters = openFilters();
    filters.removeLast();
    return filters;
}

QString fromBytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string toBytes(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace

TMain::TMain(app::Workspace workspace, app::ui::UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      ws_(std::move(workspace)),
      dialogs_(dialogs),
      open_(new app::ui::OpenDocument(this)),
      doc_(open_->document()) {
    setObjectName("Main");
    setWindowTitle("Ctabber");
    connect(open_, &app::ui::OpenDocument::modifiedChanged, this, [this] { updateTitle(); });
    connect(open_, &app::ui::OpenDocument::edited, this,
            [this](const document::Touched& touched) { listsAfterEdit(touched); });
    setAcceptDrops(true);
    resize(1000, 700);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolPanel();
    buildGrid();
    layout->addWidget(Panel1);
    layout->addWidget(StringGrid1, 1);
    setCentralWidget(central);
    buildStatusBar();
    buildMenus();
    buildPopupMenu();
    wireEditCommands();
    connectSelectionCommands();

    loadSettings();
    translate();
    refreshRecentMenu();
}

TMain::~TMain() = default;

// ---------------------------------------------------------------- building

void TMain::buildGrid() {
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName("StringGrid1");
    model_ = &open_->model();
    StringGrid1->setModel(model_);
    painter_ = new document::ui::EventRowPainter(*model_, *StringGrid1, this);
    StringGrid1->setItemDelegate(painter_);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setWordWrap(false);
    StringGrid1->setShowGrid(true);
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    // Uniform rows: the view never asks the model for sizes, so a million
    // rows scroll as fast as ten.
    auto* rows = StringGrid1->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(kRowHeight);
    rows->setDefaultSectionSize(kRowHeight);
    rows->hide();
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    StringGrid1->installEventFilter(this);
    StringGrid1->viewport()->installEventFilter(this);
    connect(StringGrid1, &QTableView::clicked, this, [this] { StringGrid1Click(); });
    connect(StringGrid1, &QTableView::doubleClicked, this, [this] {
        if (auto* edit = findChild<QAction*>("mEditEvent"); edit && edit->isEnabled()) edit->trigger();
    });
    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now, const QModelIndex& before) {
                // The pointer and the swapped colours follow the current row.
                if (before.isValid()) model_->refreshRow(EventTableModel::gridRow(before.row()));
                if (now.isValid()) model_->refreshRow(EventTableModel::gridRow(now.row()));
            });
    connect(StringGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu->popup(StringGrid1->viewport()->mapToGlobal(pos)); });
}

void TMain::buildToolPanel() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFixedHeight(128);
    auto* outer = new QHBoxLayout(Panel1);
    outer->setContentsMargins(2, 2, 2, 2);
    panelSplitter_ = new QSplitter(Qt::Horizontal, Panel1);
    panelSplitter_->setObjectName("PanelSplitter");
    panelSplitter_->setChildrenCollapsible(false);
    outer->addWidget(panelSplitter_);

    auto listPanel = [this](const char* name, QListWidget*& list, const char* listName, int textId,
                            const char* caption, const char* hint, const char* colour) {
        auto* panel = new QWidget(panelSplitter_);
        panel->setObjectName(name);
        panel->setMinimumWidth(app::kMinPanelWidth);
        auto* v = new QVBoxLayout(panel);
        v->setContentsMargins(1, 1, 1, 1);
        v->setSpacing(1);
        auto* label = new QLabel(caption, panel);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QString("QLabel { background: %1; color: white; font-weight: bold; }").arg(colour));
        list = new QListWidget(panel);
        list->setObjectName(listName);
        list->setToolTip(hint);
        list->setUniformItemSizes(true);  // a style file can hold many thousands of markers
        v->addWidget(label);
        v->addWidget(list);
        track(textId, caption, [label](const QString& t) { label->setText(t); });
        panelSplitter_->addWidget(panel);
    };
    listPanel("Panel2", ListBoxMarkers, "ListBoxMarkers", 38, "Markers", "Markers in file", "#0000c0");
    listPanel("Panel3", ListBoxAll, "ListBoxAll", 40, "Texts", "No marker texts in file", "#606000");
    listPanel("Panel4", ListBoxChan, "ListBoxChan", 39, "MIDI Channels", "Channels in marker section", "#008000");
    connect(ListBoxMarkers, &QListWidget::itemClicked, this, [this] { ListBoxMarkersClick(); });
    connect(ListBoxAll, &QListWidget::itemClicked, this, [this] { ListBoxAllClick(); });

    auto* findPanel = new QWidget(panelSplitter_);
    findPanel->setObjectName("Panel5");
    findPanel->setMinimumWidth(app::kMinPanelWidth);
    auto* fv = new QVBoxLayout(findPanel);
    fv->setContentsMargins(1, 1, 1, 1);
    auto* group = new QGroupBox("Find", findPanel);
    track(41, "Find", [group](const QString& t) { group->setTitle(t); });
    auto* gv = new QVBoxLayout(group);
    ComboBoxFind = new QComboBox(group);
    ComboBoxFind->setObjectName("ComboBoxFind");
    ComboFindChan = new QComboBox(group);
    ComboFindChan->setObjectName("ComboFindChan");
    ButtonNext = new QPushButton("&Next", group);
    ButtonNext->setObjectName("ButtonNext");
    track(42, "&Next", [this](const QString& t) { ButtonNext->setText(t); });
    connect(ButtonNext, &QPushButton::clicked, this, [this] { ButtonNextClick(); });
    gv->addWidget(ComboBoxFind);
    auto* row = new QHBoxLayout;
    row->addWidget(ComboFindChan);
    row->addWidget(ButtonNext);
    gv->addLayout(row);
    gv->addStretch();
    fv->addWidget(group);
    panelSplitter_->addWidget(findPanel);

    auto buttonPanel = [this](const char* name, std::initializer_list<std::tuple<const char*, int, const char*>> buttons) {
        auto* panel = new QWidget(panelSplitter_);
        panel->setObjectName(name);
        panel->setMinimumWidth(app::kMinPanelWidth);
        auto* v = new QVBoxLayout(panel);
        v->setContentsMargins(2, 2, 2, 2);
        for (const auto& [objectName, textId, caption] : buttons) {
            auto* b = new QPushButton(caption, panel);
            b->setObjectName(objectName);
            b->setEnabled(false);  // their commands come with event editing and the CASM editor
            track(textId, caption, [b](const QString& t) { b->setText(t); });
            v->addWidget(b);
        }
        v->addStretch();
        panelSplitter_->addWidget(panel);
    };
    buttonPanel("Panel6", {{"ButtonEdit", 43, "Edit    "}, {"ButtonInsert", 44, "&Insert"}, {"ButtonDelete", 45, "&Delete"}});
    buttonPanel("Panel7", {{"ButtonUp", 46, "    &Up   "}, {"ButtonDown", 47, " Do&wn"}, {"ButtonCasm", 48, " CASM"}});
    ButtonCasm = findChild<QPushButton*>("ButtonCasm");
    connect(ButtonCasm, &QPushButton::clicked, this, [this] { mCasmEditorClick(); });
    // Room to the right of the panels, so each panel keeps the width it is given.
    auto* filler = new QWidget(panelSplitter_);
    panelSplitter_->addWidget(filler);
    for (int i = 0; i < app::kPanelCount; ++i) panelSplitter_->setStretchFactor(i, 0);
    panelSplitter_->setStretchFactor(app::kPanelCount, 1);
    fillFindLists();
}

void TMain::buildStatusBar() {
    auto* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < 6; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QString("Panel%1").arg(i));
        // At least the designed width; wider when a text would be cut.
        label->setMinimumWidth(kStatusWidths[i]);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(label);
        panels_.push_back(label);
    }
    progress_ = new QProgressBar(bar);
    progress_->setObjectName("ReadProgress");
    progress_->setRange(0, 1000);
    progress_->setMaximumWidth(120);
    progress_->hide();
    bar->addWidget(progress_);
}

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

// ---------------------------------------------------------------- settings

app::MainSettings TMain::presentSettings() const {
    app::MainSettings s = settings_;
    const QRect frame = isMaximized() ? normalGeometry() : QRect(pos(), size());
    s.bounds = {frame.x(), frame.y(), frame.width(), frame.height()};
    const auto sizes = panelSplitter_->sizes();
    for (int i = 0; i < app::kPanelCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        s.panels[at] = i < sizes.size() && sizes[i] > 0 ? sizes[i] : kPanelWidths[i];
    }
    s.findIndex = ComboBoxFind->currentIndex();
    s.findChan = ComboFindChan->currentIndex();
    s.useColor = mUseColor->isChecked();
    for (int c = 1; c <= app::kStoredColumns; ++c)
        s.columns[static_cast<std::size_t>(c - 1)] = StringGrid1->columnWidth(c);
    return s;
}

void TMain::loadSettings() {
    const app::Profile profile(ws_.settings());
    settings_ = app::loadMainSettings(profile, presentSettings());
    definitions_->setFile(settings_.insFile);
    // A panel narrower than the minimum was not read: the designed width stays.
    QList<int> sizes;
    for (int w : settings_.panels) sizes << w;
    sizes << 1;
    panelSplitter_->setSizes(sizes);
    ComboBoxFind->setCurrentIndex(std::clamp(settings_.findIndex, 0, events::kFindKindCount - 1));
    ComboFindChan->setCurrentIndex(std::clamp(settings_.findChan, 0, 16));
    mUseColor->setChecked(settings_.useColor);
    painter_->setUseColor(settings_.useColor);
    painter_->setColours(settings_.colours);
    if (!settings_.language.empty()) {
        const auto file = ws_.file(settings_.language);
        if (app::fileExists(file)) language_.load(file);
    }
    QCoreApplication::postEvent(this, new QEvent(kApplyMainBounds));
}

void TMain::saveSettings() {
    settings_ = presentSettings();
    app::Profile profile(ws_.settings());
    app::saveMainSettings(profile, settings_);
    if (!profile.save())
        dialogs_.message(this, lookup(102, "Write error"), QString::fromStdString(ws_.settings().string()),
                         app::Icon::Error, false);
}

void TMain::applyMainBounds() {
    const auto& b = settings_.bounds;
    move(b.left, b.top);
    resize(b.width, b.height);
    // The window system may deliver the new size a little later; until then
    // every new layout of the columns keeps the stored widths.
    keepStoredColumns_ = true;
    layoutColumns();
    applyStoredColumns();
    QTimer::singleShot(1000, this, [this] { keepStoredColumns_ = false; });
}

void TMain::applyStoredColumns() {
    for (int c = 1; c <= app::kStoredColumns; ++c) {
        const int width = settings_.columns[static_cast<std::size_t>(c - 1)];
        if (width != 0) StringGrid1->setColumnWidth(c, width);
    }
}

void TMain::layoutColumns() {
    if (!StringGrid1) return;
    QStringList headers;
    const char* builtin[] = {"N", "Sel", "Tick+", "M:B:T", "Event", "Ch.", "Data", "Comment", "Text"};
    for (int c = 0; c < document::kColumnCount; ++c) headers << lookup(67 + c, builtin[c]);
    model_->setHeaderTexts(headers);
    // Widths are recomputed only when the grid's width changed.
    const int visible = StringGrid1->viewport()->width();
    if (visible == laidOutWidth_) return;
    laidOutWidth_ = visible;
    // Columns 1 to 8 share what column 0 and the lines between cells leave of
    // the visible width, so no horizontal scroll bar appears at rest.
    const int rest = std::max(visible - kFirstColumnWidth - 2 * document::kColumnCount, 0);
    StringGrid1->setColumnWidth(0, kFirstColumnWidth);
    for (int c = 1; c < document::kColumnCount; ++c) StringGrid1->setColumnWidth(c, rest * kColumnShares[c - 1] / 100);
    if (keepStoredColumns_) applyStoredColumns();
}

void TMain::refreshRecentMenu() {
    const auto entries = document::recentMenuEntries(settings_.recentFiles);
    if (!entries.empty() && !recentSeparator_) recentSeparator_ = fileMenu_->addSeparator();
    // Four entries made once and relabelled: an entry may be the one running.
    while (!entries.empty() && recentActions_.size() < 4) {
        auto* action = fileMenu_->addAction(QString());
        action->setObjectName(QString("mRecent%1").arg(recentActions_.size() + 1));
        const int slot = static_cast<int>(recentActions_.size());
        connect(action, &QAction::triggered, this, [this, slot] { mRecentClick(slot); });
        recentActions_.push_back(action);
    }
    for (std::size_t i = 0; i < recentActions_.size(); ++i) {
        const bool used = i < entries.size();
        recentActions_[i]->setText(used ? QString::fromStdString(entries[i]) : QString());
        recentActions_[i]->setVisible(used);
    }
}

// ---------------------------------------------------------------- events

bool TMain::event(QEvent* e) {
    if (e->type() == kApplyMainBounds) {
        applyMainBounds();
        return true;
    }
    return QMainWindow::event(e);
}

bool TMain::eventFilter(QObject* watched, QEvent* e) {
    if (watched == StringGrid1 && e->type() == QEvent::KeyPress) {
        bool handled = false;
        StringGrid1KeyDown(static_cast<QKeyEvent*>(e), handled);
        if (handled) return true;
    } else if (watched == StringGrid1 && e->type() == QEvent::Resize) {
        QTimer::singleShot(0, this, [this] { layoutColumns(); });
    } else if (watched == StringGrid1->viewport() && e->type() == QEvent::MouseButtonRelease) {
        const auto index = StringGrid1->indexAt(static_cast<QMouseEvent*>(e)->position().toPoint());
        if (index.isValid()) {
            lastMouseCol_ = index.column();
            lastMouseRow_ = EventTableModel::gridRow(index.row());
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void TMain::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    layoutColumns();
}

void TMain::closeEvent(QCloseEvent* e) {
    if (reading_ || !mayDiscardChanges()) {
        e->ignore();
        return;
    }
    if (!closeToolWindows()) {
        e->ignore();
        return;
    }
    saveSettings();
    e->accept();
}

void TMain::dragEnterEvent(QDragEnterEvent* e) {
    const auto* mime = e->mimeData();
    if (!reading_ && mime->hasUrls() && !mime->urls().isEmpty() && mime->urls().front().isLocalFile())
        e->acceptProposedAction();
}

void TMain::dropEvent(QDropEvent* e) {
    const auto urls = e->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile()) return;
    e->acceptProposedAction();
    const QString file = urls.front().toLocalFile();
    // Opened after the drop has finished, so the source is not kept waiting.
    QTimer::singleShot(0, this, [this, file] { openFile(file); });
}

// ---------------------------------------------------------------- grid

QString TMain::panelText(int panel) const {
    return panel >= 0 && panel < static_cast<int>(panels_.size()) ? panels_[static_cast<std::size_t>(panel)]->text()
                                                                   : QString();
}

void TMain::setPanel(int panel, const QString& text) { panels_[static_cast<std::size_t>(panel)]->setText(text); }

int TMain::currentRow() const {
    const auto index = StringGrid1->currentIndex();
    return index.isValid() ? EventTableModel::gridRow(index.row()) : 0;
}

void TMain::setCurrentRow(int gridRow) {
    const int column = std::max(StringGrid1->currentIndex().column(), 0);
    const auto index = model_->index(EventTableModel::modelRow(gridRow), column);
    if (!index.isValid()) return;
    StringGrid1->setCurrentIndex(index);
    StringGrid1->scrollTo(index);
}

void TMain::redrawRow(int gridRow) { model_->refreshRow(gridRow); }

void TMain::showSelectionCount() {
    setPanel(3, lookup(124, "Selected events:") + " " + QString::number(events::selectedCount(doc_.events)));
}

void TMain::StringGrid1Click() {
    if (reading_) return;
    setPanel(4, fromBytes(events::sectionAt(doc_.events, currentRow())));
}

void TMain::StringGrid1KeyDown(QKeyEvent* e, bool& handled) {
    if (reading_ || currentRow() < 0) return;
    events::GridKey key = events::GridKey::Other;
    switch (e->key()) {
        case Qt::Key_Up: key = events::GridKey::Up; break;
        case Qt::Key_Down: key = events::GridKey::Down; break;
        case Qt::Key_Return:
        case Qt::Key_Enter: key = events::GridKey::Enter; break;
        case Qt::Key_Delete: key = events::GridKey::Delete; break;
        case Qt::Key_Insert: key = events::GridKey::Insert; break;
        case Qt::Key_Plus: key = events::GridKey::Plus; break;
        case Qt::Key_Minus: key = events::GridKey::Minus; break;
        default: return;
    }
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    auto trigger = [this](const char* name) {
        if (auto* action = findChild<QAction*>(name); action && action->isEnabled()) action->trigger();
    };
    switch (events::keyCommand(key, shift, keypad)) {
        case events::KeyCommand::None: return;
        case events::KeyCommand::FlipLeaving:
            if (events::flipSelected(doc_.events, currentRow())) redrawRow(currentRow());
            return;  // the grid moves as usual
        case events::KeyCommand::Edit: trigger("mEditEvent"); break;
        case events::KeyCommand::DeleteEvent: trigger("mDelete"); break;
        case events::KeyCommand::InsertEvent: trigger("mInsert"); break;
        case events::KeyCommand::UnselectAll: trigger("mUnselectAll"); break;
        case events::KeyCommand::FlipAndAdvance: {
            const int row = currentRow();
            const int next = events::flipAndAdvance(doc_.events, row);
            redrawRow(row);
            setCurrentRow(next);
            showSelectionCount();
            break;
        }
    }
    handled = true;
}

void TMain::pmSelUnselClick() {
    if (reading_) return;
    const int row = currentRow();
    if (events::flipSelected(doc_.events, row)) redrawRow(row);
    showSelectionCount();
}

void TMain::mUseColorClick() {
    painter_->setUseColor(mUseColor->isChecked());
    settings_.useColor = mUseColor->isChecked();
    StringGrid1->viewport()->update();
}

// ---------------------------------------------------------------- lists and find

void TMain::rebuildLists() {
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

void TMain::ListBoxMarkersClick() {
    if (reading_ || !ListBoxMarkers->currentItem()) return;
    ListBoxAll->clearSelection();
    const auto jump = events::findMarker(doc_.events, toBytes(ListBoxMarkers->currentItem()->text()));
    if (!jump) return;
    setCurrentRow(jump->row);
    ListBoxChan->clear();
    for (int ch : jump->channels) ListBoxChan->addItem("Chan " + QString::number(ch));
}

void TMain::ListBoxAllClick() {
    if (reading_ || !ListBoxAll->currentItem()) return;
    ListBoxMarkers->clearSelection();
    ListBoxChan->clear();
    if (const auto row = events::findTextRow(doc_.events, toBytes(ListBoxAll->currentItem()->text())))
        setCurrentRow(*row);
}

void TMain::ButtonNextClick() {
    if (reading_ || ComboBoxFind->currentIndex() < 0) return;
    const auto hit =
        events::findNext(doc_.events, currentRow(), ComboBoxFind->currentIndex(), std::max(ComboFindChan->currentIndex(), 0));
    if (hit) setCurrentRow(*hit);
    else app::ui::showNotice(this, lookup(76, "Find message"), lookup(77, "Not found..."));
}

void TMain::mInstrumentsClick() {
    if (reading_) return;
    TInstrum dialog(doc_, *definitions_, dialogs_, ws_.settings(), language_, this);
    dialog.onInsFileChosen = [this](const std::filesystem::path& file) { settings_.insFile = file.string(); };
    if (dialog.exec() != QDialog::Accepted || dialog.programRow() <= 0) return;
    // The chosen channel's program change becomes the current row and is edited.
    setCurrentRow(dialog.programRow());
    editEventAt(dialog.programRow());
}

void TMain::mPlayerClick() {
    if (reading_) return;
    playback::ui::openPlayer(doc_, settings_.midiOut, dialogs_, ws_.settings(), language_, this);
}

// ---------------------------------------------------------------- reading

void TMain::enable(QAction* action, bool on) {
    if (std::find(unbuilt_.begin(), unbuilt_.end(), action) != unbuilt_.end()) return;
    action->setEnabled(on);
}

void TMain::setBusy(bool busy) {
    for (auto* menu : mainMenus_) menu->menuAction()->setEnabled(!busy);
    Panel1->setEnabled(!busy);
    if (!busy) progress_->hide();
}

document::ReadOptions TMain::readOptions() {
    document::ReadOptions options;
    options.clearCasm = settings_.clearCasm;
    options.casmEditorOpen = casmEditor_ != nullptr;
    options.language = &language_;
    options.names = names::nameSources(definitions_, std::make_shared<const names::SysexDescriptions>(
                                                         names::SysexDescriptions::fromFile(ws_.file(app::files::xgSystem))));
    options.askReloadCasm = [this] {
        return dialogs_.message(this, lookup(91, "Attention..."),
                                lookup(90, "Do you want to reload CASM from the loading file?..."), app::Icon::Question,
                                true) == app::ui::Answer::Yes;
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

void TMain::readDocument(const std::function<document::ReadResult(const document::ReadOptions&)>& read) {
    reading_ = true;
    setBusy(true);
    model_->setFrozen(true);
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
    if (result.opened) open_->replaced();  // what the old document did cannot be undone into the new one
    model_->setFrozen(false);
    rebuildLists();
    showReadResult(result);
    reading_ = false;
    setBusy(false);
    setCurrentRow(1);
}

void TMain::showReadResult(const document::ReadResult& result) {
    for (int i = 0; i < 4; ++i)
        if (const auto& text = result.panels[static_cast<std::size_t>(i)]) setPanel(i, QString::fromStdString(*text));
    if (!result.opened) return;
    setPanel(4, QString());
    enable(mSaveas, result.saveable);
    enable(mRemoveBank, true);
    enable(mCreateCasm, true);
    if (result.casmCommands == document::CasmCommands::Enable) setCasmCommands(true);
    else if (result.casmCommands == document::CasmCommands::Disable) setCasmCommands(false);
    casmAfterRead(result);
}

void TMain::setCasmCommands(bool inUse) {
    casmInUse_ = inUse;
    enable(mCasmHex, inUse);
    enable(mCasmEditor, inUse);
    ButtonCasm->setEnabled(inUse);
    enable(mExport, inUse);
}

// ---------------------------------------------------------------- file commands

void TMain::setTitle(const QString& base) {
    titleBase_ = base;
    updateTitle();
}

void TMain::updateTitle() { setWindowTitle(open_->modified() ? titleBase_ + " *" : titleBase_); }

bool TMain::mayDiscardChanges() {
    if (!open_->modified()) return true;
    return dialogs_.message(this, lookup(110, "Confirmation"),
                            "The events of the open document were changed and not saved. Discard the changes?",
                            app::Icon::Question, true) == app::ui::Answer::Yes;
}

void TMain::listsAfterEdit(const document::Touched& touched) {
    if (!touched.textsChanged) return;
    auto lists = events::collectTextLists(doc_.events);
    doc_.markers = std::move(lists.markers);
    doc_.texts = std::move(lists.texts);
    rebuildLists();
}

void TMain::mOpenClick() {
    if (reading_) return;
    app::ui::FileRequest request;
    request.title = lookup(78, "Open file ...");
    request.directory = QString::fromStdString(settings_.openDialog);
    request.filters = openFilters();
    request.filterIndex = settings_.openFilterIndex;
    const auto choice = dialogs_.openFile(this, request);
    if (!choice) return;
    settings_.openFilterIndex = choice->filterIndex;
    openFile(choice->path);
}

void TMain::openFile(const QString& givenName) {
    if (reading_ || !mayDiscardChanges()) return;
    // The recent-files list and the caption keep the full name, so that an
    // entry opens the same file from any folder.
    const QString fileName = QDir::cleanPath(QFileInfo(givenName).absoluteFilePath());
    document::addRecentFile(settings_.recentFiles, fileName.toStdString());
    refreshRecentMenu();
    settings_.openDialog = std::string(app::folderOf(fileName.toStdString()));
    openedFile_ = fileName;
    setTitle(lookup(0, "Ctabber... ") + fileName);
    const std::filesystem::path path = fileName.toStdString();
    readDocument([this, path](const document::ReadOptions& options) {
        return document::readFile(path, doc_, ws_, options);
    });
}

void TMain::mRecentClick(int slot) {
    if (reading_ || slot < 0 || slot >= 4) return;
    const std::string name = settings_.recentFiles[static_cast<std::size_t>(slot)];
    if (name.empty() || !app::fileExists(name)) return;
    openFile(QString::fromStdString(name));
}

void TMain::mSaveasClick() {
    if (reading_) return;
    if (doc_.format != 0) {
        dialogs_.message(this, lookup(99, "Unsupported format"), lookup(98, "This programm can save only SMF0 files..."),
                         app::Icon::Error, false);
        return;
    }
    app::ui::FileRequest request;
    request.title = lookup(79, "Save as ...");
    request.directory = QString::fromStdString(settings_.saveDialog);
    request.filters = saveFilters();
    if (!casmInUse_) settings_.saveFilterIndex = document::FilterMid;
    request.filterIndex = settings_.saveFilterIndex;
    request.confirmOverwrite = settings_.overWrite;
    if (saveFileName_.isEmpty() && !openedFile_.isEmpty()) saveFileName_ = QFileInfo(openedFile_).fileName();
    request.fileName = saveFileName_;
    const auto choice = dialogs_.saveFile(this, request);
    if (!choice) return;
    settings_.saveFilterIndex = choice->filterIndex;
    saveFileName_ = choice->path;
    settings_.saveDialog = std::string(app::folderOf(choice->path.toStdString()));
    const std::string target = document::applyExtensionRule(choice->path.toStdString(), choice->filterIndex);
    // The dialog asked about the name it was given; a name that gained an
    // extension may name another file that exists.
    if (target != choice->path.toStdString() && settings_.overWrite && app::fileExists(target) &&
        dialogs_.message(this, lookup(110, "Confirmation"),
                         QString::fromStdString(target) + "\n\nThis file already exists. Replace it?",
                         app::Icon::Question, true) != app::ui::Answer::Yes)
        return;
    const auto outcome = document::saveAs(doc_, target, choice->filterIndex, ws_, language_);
    app::ui::showOutcome(dialogs_, this, outcome);
    if (!outcome.ok) return;
    document::addRecentFile(settings_.recentFiles, target);
    refreshRecentMenu();
    open_->saved();
    setTitle(lookup(0, "Ctabber... ") + QString::fromStdString(target));
}

void TMain::mExportClick() {
    if (reading_ || !casmInUse_) return;
    QString directory = QString::fromStdString(settings_.exportImportDir);
    document::ui::TFExport dialog(this, {dialogs_, language_, ws_.settings(), directory},
                                  document::defaultExportNames(openedFile_.toStdString()),
                                  app::fileExists(ws_.casmAdd()));
    const bool ok = dialog.exec() == QDialog::Accepted;
    settings_.exportImportDir = directory.toStdString();
    if (!ok) return;
    settings_.exportMid = dialog.EditMidi->text().toStdString();
    settings_.exportCsm = dialog.EditCasm->text().toStdString();
    settings_.exportAdd = dialog.EditAdd->text().toStdString();
    const auto outcome = document::exportPieces(doc_, dialog.names(), ws_, language_);
    app::ui::showOutcome(dialogs_, this, outcome);
}

void TMain::mImportClick() {
    if (reading_) return;
    QString directory = QString::fromStdString(settings_.exportImportDir);
    document::ui::TFImport dialog(this, {dialogs_, language_, ws_.settings(), directory},
                                  {settings_.exportMid, settings_.exportCsm, settings_.exportAdd});
    const bool ok = dialog.exec() == QDialog::Accepted;
    settings_.exportImportDir = directory.toStdString();
    if (!ok) return;
    const auto names = dialog.names();
    if (!mayDiscardChanges()) return;
    openedFile_ = QString::fromStdString(names.mid);
    setTitle(lookup(0, "Ctabber... ") + openedFile_);
    document::ImportResult imported;
    readDocument([this, &names, &imported](const document::ReadOptions& options) {
        imported = document::importPieces(doc_, names, ws_, options);
        return imported.read;
    });
    setCasmCommands(imported.casmImported);
    if (imported.casmImported && casmEditor_) casmEditor_->reloadWorkingFile(openedFile_);
    if (imported.casmImported) app::ui::showMessage(dialogs_, this, imported.message);
}

void TMain::removeBankEvents() {
    runBankRemoval([this](document::Document& doc, int& removed) {
        auto edit = events::bankRemoval(doc.events);
        removed = static_cast<int>(edit.removed.size());
        open_->apply(std::move(edit));
    });
}

void TMain::runBankRemoval(const std::function<void(document::Document&, int&)>& work) {
    if (reading_) return;
    reading_ = true;
    auto* wait = app::ui::showWaitWindow(this, lookup(122, "Removing Bank Change Messages..."), lookup(112, "Wait..."));
    wait->timer().stop();
    wait->label()->setStyleSheet("QLabel { background: yellow; color: blue; font-weight: bold; padding: 12px; }");
    const int row = currentRow();
    model_->setFrozen(true);
    int removed = 0;
    work(doc_, removed);
    model_->setFrozen(false);
    wait->close();
    wait->deleteLater();
    reading_ = false;
    setCurrentRow(std::min(std::max(row, 1), doc_.events.rowCount() - 1));
    setPanel(4, QString::number(removed) + " " + lookup(123, "Bank messages removed..."));
}

void TMain::runCommandLine(const std::vector<std::string>& args) {
    const auto file = document::commandLineFile(args);
    if (!file) return;
    openFile(QString::fromStdString(file->name));
    if (file->removeBanks) runBankRemovalBatch();
}

void TMain::runBankRemovalBatch() {
    if (doc_.format != 0) {
        // Only format 0 can be written: the banks go, nothing is saved.
        app::removeFile(events::bankBatchTarget(ws_, doc_.fileName));
        removeBankEvents();
    } else {
        app::Outcome outcome;
        runBankRemoval([&](document::Document& doc, int& removed) {
            outcome = events::runBankBatch(doc, ws_, language_, &removed);
        });
        if (!outcome.ok) app::ui::showOutcome(dialogs_, this, outcome);
    }
    open_->saved();  // the batch ends by closing, without asking about its own change
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

}  // namespace events::ui

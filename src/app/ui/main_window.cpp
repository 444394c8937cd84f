// The main window: its frame, the grid, the tool panel, the status bar and the window events.
#include "app/ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "app/ui/main_window_parts.h"
#include "app/ui/open_document.h"
#include "base/ui/row_grid.h"
#include "base/ui/transient_message.h"
#include "document/ui/event_row_painter.h"
#include "document/ui/piece_dialogs.h"
#include "events/navigation.h"

namespace app::ui {

using namespace main_window;

MainWindow::MainWindow(base::Workspace workspace, base::ui::UserDialogs& dialogs, QWidget* parent)
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

    loadSettings();
    translate();
    refreshRecentMenu();
}

MainWindow::~MainWindow() = default;

// ---------------------------------------------------------------- building

void MainWindow::buildGrid() {
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName("StringGrid1");
    model_ = &open_->model();
    StringGrid1->setModel(model_);
    painter_ = new document::ui::EventRowPainter(*model_, *StringGrid1, this);
    StringGrid1->setItemDelegate(painter_);
    base::ui::setUpRowGrid(StringGrid1, kRowHeight);
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

void MainWindow::buildToolPanel() {
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

    struct Button {
        const char* name;
        int textId;
        const char* caption;
        std::function<void()> click;
    };
    auto buttonPanel = [this](const char* name, std::initializer_list<Button> buttons) {
        auto* panel = new QWidget(panelSplitter_);
        panel->setObjectName(name);
        panel->setMinimumWidth(app::kMinPanelWidth);
        auto* v = new QVBoxLayout(panel);
        v->setContentsMargins(2, 2, 2, 2);
        for (const auto& [objectName, textId, caption, click] : buttons) {
            auto* b = new QPushButton(caption, panel);
            b->setObjectName(objectName);
            track(textId, caption, [b](const QString& t) { b->setText(t); });
            connect(b, &QPushButton::clicked, this, click);
            v->addWidget(b);
        }
        v->addStretch();
        panelSplitter_->addWidget(panel);
    };
    buttonPanel("Panel6", {{"ButtonEdit", 43, "Edit    ", [this] { mEditEventClick(); }},
                           {"ButtonInsert", 44, "&Insert", [this] { mInsertClick(); }},
                           {"ButtonDelete", 45, "&Delete", [this] { mDeleteClick(); }}});
    buttonPanel("Panel7", {{"ButtonUp", 46, "    &Up   ", [this] { moveEvent(true); }},
                           {"ButtonDown", 47, " Do&wn", [this] { moveEvent(false); }},
                           {"ButtonCasm", 48, " CASM", [this] { mCasmEditorClick(); }}});
    ButtonCasm = findChild<QPushButton*>("ButtonCasm");
    ButtonCasm->setEnabled(false);  // until a file with a CASM section is read
    // Room to the right of the panels, so each panel keeps the width it is given.
    auto* filler = new QWidget(panelSplitter_);
    panelSplitter_->addWidget(filler);
    for (int i = 0; i < app::kPanelCount; ++i) panelSplitter_->setStretchFactor(i, 0);
    panelSplitter_->setStretchFactor(app::kPanelCount, 1);
    fillFindLists();
}

void MainWindow::buildStatusBar() {
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

// ---------------------------------------------------------------- events

bool MainWindow::event(QEvent* e) {
    if (e->type() == kApplyMainBounds) {
        applyMainBounds();
        return true;
    }
    return QMainWindow::event(e);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
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

void MainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    layoutColumns();
}

void MainWindow::closeEvent(QCloseEvent* e) {
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

void MainWindow::dragEnterEvent(QDragEnterEvent* e) {
    const auto* mime = e->mimeData();
    if (!reading_ && mime->hasUrls() && !mime->urls().isEmpty() && mime->urls().front().isLocalFile())
        e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e) {
    const auto urls = e->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile()) return;
    e->acceptProposedAction();
    const QString file = urls.front().toLocalFile();
    // Opened after the drop has finished, so the source is not kept waiting.
    QTimer::singleShot(0, this, [this, file] { openFile(file); });
}

// ---------------------------------------------------------------- grid

QString MainWindow::panelText(int panel) const {
    return panel >= 0 && panel < static_cast<int>(panels_.size()) ? panels_[static_cast<std::size_t>(panel)]->text()
                                                                   : QString();
}

void MainWindow::setPanel(int panel, const QString& text) { panels_[static_cast<std::size_t>(panel)]->setText(text); }

int MainWindow::currentRow() const {
    const auto index = StringGrid1->currentIndex();
    return index.isValid() ? EventTableModel::gridRow(index.row()) : 0;
}

void MainWindow::setCurrentRow(int gridRow) {
    const int column = std::max(StringGrid1->currentIndex().column(), 0);
    const auto index = model_->index(EventTableModel::modelRow(gridRow), column);
    if (!index.isValid()) return;
    StringGrid1->setCurrentIndex(index);
    StringGrid1->scrollTo(index);
}

void MainWindow::redrawRow(int gridRow) { model_->refreshRow(gridRow); }

void MainWindow::showSelectionCount() {
    setPanel(3, lookup(124, "Selected events:") + " " + QString::number(events::selectedCount(doc_.events)));
}

void MainWindow::StringGrid1Click() {
    if (reading_) return;
    setPanel(4, fromBytes(events::sectionAt(doc_.events, currentRow())));
}

void MainWindow::StringGrid1KeyDown(QKeyEvent* e, bool& handled) {
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

void MainWindow::pmSelUnselClick() {
    if (reading_) return;
    const int row = currentRow();
    if (events::flipSelected(doc_.events, row)) redrawRow(row);
    showSelectionCount();
}

void MainWindow::mUseColorClick() {
    painter_->setUseColor(mUseColor->isChecked());
    settings_.useColor = mUseColor->isChecked();
    StringGrid1->viewport()->update();
}

}  // namespace app::ui

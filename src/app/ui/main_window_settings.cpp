// The main window's settings: bounds, panels, columns, Find and the recent files.
#include "app/ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QTableView>
#include <QTimer>

#include "app/ui/main_window_parts.h"
#include "base/ui/transient_message.h"
#include "base/ui/window_position.h"
#include "document/recent_files.h"
#include "document/smf_writer.h"
#include "document/ui/event_row_painter.h"
#include "events/navigation.h"

namespace app::ui {

using namespace main_window;

// ---------------------------------------------------------------- settings

app::MainSettings MainWindow::presentSettings() const {
    app::MainSettings s = settings_;
    // The client area, as applyMainBounds sets it: the window opens where it was.
    const QRect client = isMaximized() ? normalGeometry() : geometry();
    s.bounds = {client.x(), client.y(), client.width(), client.height()};
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

void MainWindow::loadSettings() {
    const base::Profile profile(ws_.settings());
    settings_ = app::loadMainSettings(profile, presentSettings());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        app::fitWidths(settings_, screen->availableGeometry().width());
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
        if (base::fileExists(file)) language_.load(file);
    }
    QCoreApplication::postEvent(this, new QEvent(kApplyMainBounds));
}

void MainWindow::saveSettings() {
    settings_ = presentSettings();
    base::Profile profile(ws_.settings());
    app::saveMainSettings(profile, settings_);
    if (!profile.save())
        dialogs_.message(this, lookup(102, "Write error"), QString::fromStdString(ws_.settings().string()),
                         base::Icon::Error, false);
}

void MainWindow::applyMainBounds() {
    base::ui::applyBounds(*this, settings_.bounds);
    // The window system may deliver the new size a little later; until then
    // every new layout of the columns keeps the stored widths.
    keepStoredColumns_ = true;
    layoutColumns();
    applyStoredColumns();
    QTimer::singleShot(1000, this, [this] { keepStoredColumns_ = false; });
}

void MainWindow::applyStoredColumns() {
    for (int c = 1; c <= app::kStoredColumns; ++c) {
        const int width = settings_.columns[static_cast<std::size_t>(c - 1)];
        if (width != 0) StringGrid1->setColumnWidth(c, width);
    }
}

void MainWindow::layoutColumns() {
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

void MainWindow::refreshRecentMenu() {
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

}  // namespace app::ui

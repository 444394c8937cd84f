// The main window's selection, clipboard, channel and transposition
// commands: each gathers values, asks the core and applies its edit.
#include <QAction>
#include <QElapsedTimer>
#include <QLabel>

#include "app/ui/main_window.h"
#include "app/ui/open_document.h"
#include "base/profile.h"
#include "base/ui/transient_message.h"
#include "base/ui/user_dialogs.h"
#include "document/ui/event_table_model.h"
#include "events/channel_edit.h"
#include "events/event_clipboard.h"
#include "events/event_filter.h"
#include "events/navigation.h"
#include "events/row_commands.h"
#include "events/selection.h"
#include "events/transpose.h"
#include "events/ui/number_dialogs.h"
#include "events/ui/select_events_dialog.h"
#include "events/ui/transpose_dialog.h"
#include "roll/ui/piano_roll_window.h"

namespace app::ui {

// The event commands this window runs, and their dialogs.
using namespace ::events;
using namespace ::events::ui;
namespace {

// Progress is painted at most this often.
constexpr qint64 kPaintEveryMs = 50;

}  // namespace

void MainWindow::showFlips(const std::vector<int>& rows) {
    if (const auto range = events::applyFlips(doc_.events, rows)) model_->rowsEdited({range->first, range->last});
    if (roll_) roll_->selectionChanged();
    showSelectionCount();
}

void MainWindow::mSelectEventsClick() {
    if (reading_) return;
    SelectEventsDialog dialog(events::loadEventFilter(base::Profile(ws_.settings())), ws_.settings(), language_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const auto filter = dialog.filter();
    base::Profile settings(ws_.settings());  // read again: the dialog stored its place there
    events::saveEventFilter(settings, filter);
    if (!settings.save())
        dialogs_.message(this, lookup(102, "Write error"), QString::fromStdString(ws_.settings().string()),
                         base::Icon::Error, false);
    showFlips(events::filterFlips(doc_.events, filter));
}

void MainWindow::selectSection(bool on) {
    if (reading_) return;
    StringGrid1Click();  // the section lookup, shown in panel 4
    const auto section = events::sectionRange(doc_.events, currentRow());
    if (!section) return;
    showFlips(events::rangeFlips(doc_.events, section, on));
}

void MainWindow::mSelectSectionClick() { selectSection(true); }
void MainWindow::mUnselectSectionClick() { selectSection(false); }

void MainWindow::mSelectAllClick() {
    if (reading_) return;
    showFlips(events::rangeFlips(doc_.events, std::nullopt, true));
}

void MainWindow::mUnselectAllClick() {
    if (reading_) return;
    showFlips(events::rangeFlips(doc_.events, std::nullopt, false));
}

void MainWindow::mCopyClick() { copyOrCut(false); }
void MainWindow::mCutClick() { copyOrCut(true); }

void MainWindow::copyOrCut(bool cut) {
    if (reading_) return;
    const int current = currentRow();
    // With a selection the command walks it under the wait window; without, it takes the current row.
    const bool walk = events::selectedCount(doc_.events) > 0;
    const auto plan = events::copyPlan(doc_.events, current, cut, !settings_.delNote);
    // A protected current note is not cut, as it is not deleted: nothing happens.
    if (cut && plan.rows.empty() && plan.unselect.empty()) return;
    // Protected notes of the selection are unselected, not copied or cut.
    for (int r : plan.unselect) doc_.events.setSelected(r, false);
    if (!plan.unselect.empty()) model_->rowsEdited({plan.unselect.front(), plan.unselect.back()});
    base::ui::TransientMessage* wait = nullptr;
    if (walk)
        wait = base::ui::showWaitWindow(this, lookup(112, "Wait..."), cut ? lookup(125, "Cut...") : lookup(126, "Copy..."));
    const int total = static_cast<int>(plan.rows.size());
    auto progressText = [this, total](int done) {
        return lookup(127, "Cut") + " " + QString::number(done) + " " + lookup(114, "of") + " " + QString::number(total);
    };
    QElapsedTimer clock;
    clock.start();
    qint64 painted = 0;
    events::ClipboardProgress progress;
    if (cut && walk)
        progress = [&](int done, int) {
            if (clock.elapsed() - painted < kPaintEveryMs) return;
            painted = clock.elapsed();
            setPanel(4, progressText(done));
            panels_[4]->repaint();
        };
    const auto written = events::writeEventClipboard(ws_.eventCopy(), doc_, plan.rows, language_, progress);
    if (written.ok && cut && !plan.rows.empty()) {
        open_->apply(events::cutRows(doc_.events, plan.rows));
        // The current row follows its event, as after Delete.
        setCurrentRow(std::min(events::rowAfterDelete(plan.rows, current), doc_.events.trailingRow()));
        if (walk) setNotice(4, [progressText, total] { return progressText(total); });
    }
    if (wait) {
        wait->close();
        wait->deleteLater();
    }
    // Without its clipboard a cut deletes nothing.
    if (!written.ok) base::ui::showMessage(dialogs_, this, written.message);
}

void MainWindow::mPasteClick() {
    if (reading_) return;
    const int at = currentRow();
    if (at < 1) return;
    auto* wait = base::ui::showWaitWindow(this, lookup(112, "Wait..."), lookup(128, "Paste..."));
    auto clipboard = events::readEventClipboard(ws_.eventCopy(), language_);
    if (clipboard.outcome.ok) open_->apply(events::pasteRows(doc_.events, at, std::move(clipboard.rows)));
    wait->close();
    wait->deleteLater();
    if (!clipboard.outcome.ok) base::ui::showMessage(dialogs_, this, clipboard.outcome.message);
}

void MainWindow::mEditChannelClick() {
    if (reading_) return;
    const int row = currentRow();
    const int channel = events::editableChannel(doc_.events, row);
    if (channel == 0) return;
    ChannelDialog dialog(std::clamp(channel, 1, 16), ws_.settings(), language_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    open_->apply(events::channelEdit(doc_.events, row, dialog.value()));
}

void MainWindow::mTransposeClick() {
    if (reading_) return;
    const int row = currentRow();
    TransposeDialog dialog(events::editableChannel(doc_.events, row), ws_.settings(), language_, this);
    if (dialog.exec() != QDialog::Accepted || dialog.amount() == 0) return;
    const bool sectionOnly = !dialog.allSections();
    auto transposed = events::transposeNotes(doc_.events, events::transposeStart(doc_.events, row, sectionOnly),
                                             sectionOnly, dialog.channel(), dialog.amount());
    open_->apply(std::move(transposed.edit));
    // Each note is counted at its note on and at its note off.
    const int notes = transposed.notes / 2;
    setNotice(3, [this, notes] { return lookup(129, "Notes transposed:") + " " + QString::number(notes); });
}

}  // namespace app::ui

// The piano roll beside the main window: it shows the same document, edits
// it through the same undo stack and shares the grid's selection.
#include <QUndoStack>

#include "app/ui/main_window.h"
#include "app/ui/open_document.h"
#include "playback/ui/section_player_window.h"
#include "roll/ui/piano_roll_window.h"

namespace app::ui {

void MainWindow::mPianoRollClick() {
    if (reading_) return;
    if (!roll_) {
        roll::ui::DocumentLink link;
        link.document = &doc_;
        link.apply = [this](document::Edit edit) { open_->apply(std::move(edit)); };
        link.flip = [this](const std::vector<int>& rows) { showFlips(rows); };
        link.showRow = [this](int row) {
            setCurrentRow(row);
            activateWindow();
            raise();
        };
        link.undoStack = &open_->undoStack();
        roll_ = new roll::ui::PianoRollWindow(this, std::move(link), dialogs_, ws_.settings(), language_);
        connect(open_, &app::ui::OpenDocument::edited, roll_, [roll = roll_.data()] { roll->documentChanged(); });
    }
    roll_->show();
    roll_->raise();
    roll_->activateWindow();
}

roll::ui::PianoRollWindow* MainWindow::pianoRoll() const { return roll_; }

void MainWindow::rollFollowsPlayer(playback::ui::SectionPlayerWindow& player) {
    if (!roll_) return;
    const QPointer<roll::ui::PianoRollWindow> roll = roll_;
    connect(&player, &playback::ui::SectionPlayerWindow::playPosition, roll_,
            [roll](const std::string& section, std::uint64_t tick) { roll->setPlayPosition(section, tick); });
    connect(&player, &playback::ui::SectionPlayerWindow::barFed, roll_,
            [roll](const playback::Bar& bar, const std::string& section) { roll->addHeardBar(bar, section); });
    connect(&player, &playback::ui::SectionPlayerWindow::playStopped, roll_, [roll] { roll->playStopped(); });
    // The player closes with its window: what it showed goes with it.
    connect(&player, &QObject::destroyed, roll_, [roll] { roll->playStopped(); });
}

}  // namespace app::ui

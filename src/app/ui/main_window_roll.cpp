// The piano roll beside the main window: it shows the same document, edits
// it through the same undo stack and shares the grid's selection.
#include <QUndoStack>

#include "app/ui/main_window.h"
#include "app/ui/open_document.h"
#include "playback/ui/program_port.h"
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
        link.sound = [this](const std::vector<std::vector<std::uint8_t>>& messages) { soundNow(messages); };
        link.undoStack = &open_->undoStack();
        roll_ = new roll::ui::PianoRollWindow(this, std::move(link), dialogs_, ws_.settings(), language_);
        connect(open_, &app::ui::OpenDocument::edited, roll_, [roll = roll_.data()] { roll->documentChanged(); });
        // The port opened for auditions closes with the roll.
        connect(roll_, &QObject::destroyed, this, [] { playback::ui::programMidiOut().SetActive(false); });
    }
    roll_->show();
    roll_->raise();
    roll_->activateWindow();
}

roll::ui::PianoRollWindow* MainWindow::pianoRoll() const { return roll_; }

void MainWindow::soundNow(const std::vector<std::vector<std::uint8_t>>& messages) {
    auto& out = playback::ui::programMidiOut();
    if (!out.opened() || out.deviceId() != settings_.midiOut) {
        out.SelectDevice(settings_.midiOut);
        out.SetActive(true);
    }
    for (const auto& m : messages) {
        if (m.empty()) continue;
        out.SendShort(m[0], m.size() > 1 ? m[1] : 0, m.size() > 2 ? m[2] : 0);
    }
}

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

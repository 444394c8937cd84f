#pragma once
// The piano roll: the open document's notes on a time grid, with the
// section chooser, the tools, the snap, zoom buttons, the channels to show
// or solo, and the picture export around the drawing surface. Edits go to
// the document through the link, so the event grid shows them at once and
// one undo stack takes them back. Modeless; it frees itself when closed and
// keeps its place in the settings file.
#include <QImage>
#include <array>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>

#include "base/language.h"
#include "base/ui/captions.h"
#include "base/ui/user_dialogs.h"
#include "playback/bar_queue.h"
#include "roll/score.h"
#include "roll/ui/document_link.h"
#include "roll/ui/roll_painter.h"

class QComboBox;
class QLabel;
class QScrollBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace roll::ui {

class RollCanvas;

class PianoRollWindow : public QWidget, public base::ui::Translatable {
    Q_OBJECT
public:
    PianoRollWindow(QWidget* parent, DocumentLink link, base::ui::UserDialogs& dialogs,
                    std::filesystem::path settingsFile, const base::Language& language = base::builtinLanguage());
    ~PianoRollWindow() override;

    // The document's events changed (an edit, undo or redo): the roll reads them again.
    void documentChanged();
    // Another file was read: the sections and channels are made again too.
    void documentReplaced();
    // The document is being replaced (a file is read): nothing is shown
    // until documentReplaced.
    void documentBusy();
    // The selected flags changed outside the roll.
    void selectionChanged();
    // The player's position: `section` playing at `tick` of its own bars
    // (it loops), or nothing when it stopped.
    void setPlayPosition(const std::optional<std::string>& section, std::uint64_t tick);
    // A bar the player is about to play following chords: its notes are
    // shown faded over the section, in place of what was shown there.
    void addHeardBar(const playback::Bar& bar, const std::string& section);
    // The player stopped: the cursor and the heard notes go.
    void playStopped();

    // Scrolls to the section and fits its bars to the width.
    bool showSection(const std::string& name);
    // The visible roll, or the whole of the section in view, as a picture.
    QImage picture(bool wholeSection) const;
    // Writes `picture(wholeSection)` as a PNG, all or nothing.
    bool savePicture(const std::filesystem::path& file, bool wholeSection) const;

    // The captions again, in the language now in use.
    void translate() override;

    RollCanvas& canvas() const { return *canvas_; }
    const Score* score() const { return score_.get(); }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildControls();
    void fillSections();
    void fillChannels();
    void channelsChanged();
    void syncScrollBars();
    void savePictureClick(bool wholeSection);
    void showTitle();
    void fillChannelTexts();

    DocumentLink link_;
    base::ui::UserDialogs& dialogs_;
    std::filesystem::path settingsFile_;
    base::ui::Captions captions_;
    std::unique_ptr<Score> score_;
    std::vector<HeardNote> heard_;

    RollCanvas* canvas_ = nullptr;
    QComboBox* SectionBox = nullptr;
    QComboBox* SnapBox = nullptr;
    QComboBox* PencilChannel = nullptr;
    QToolButton* SelectTool = nullptr;
    QToolButton* PencilTool = nullptr;
    QTreeWidget* ChannelList = nullptr;
    QScrollBar* hScroll_ = nullptr;
    QScrollBar* vScroll_ = nullptr;
    QLabel* status_ = nullptr;
    bool syncing_ = false;
    bool shown_ = false;
    std::array<int, 16> noteCounts_{};  // per channel, for the list's tooltips
};

}  // namespace roll::ui

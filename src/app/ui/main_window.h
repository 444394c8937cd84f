#pragma once
// The main window: the event grid over the open document, the tool panel
// with the marker, text and channel lists and Find, the status bar and the
// menus. It collects what the user asks and calls the core.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_settings.h"
#include "base/language.h"
#include "base/workspace.h"
#include "document/document.h"
#include "document/list_edit.h"
#include "document/smf_reader.h"
#include "names/instrument_definitions.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QSplitter;
class QTableView;

namespace base::ui {
class UserDialogs;
}
namespace app::ui {
class OpenDocument;
struct MidiPortList;
}
namespace tools::ui {
class CasmHexWindow;
}
namespace casm::ui {
class CasmEditorWindow;
}
namespace playback::ui {
class SectionPlayerWindow;
}
namespace roll::ui {
class PianoRollWindow;
}
namespace document::ui {
class EventTableModel;
class EventRowPainter;
}

namespace app::ui {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Reads the settings and the language of `workspace`; `dialogs` answers
    // every message box and file dialog.
    MainWindow(base::Workspace workspace, base::ui::UserDialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The file named by the arguments (after the program name), then the
    // "br" batch when asked for.
    void runCommandLine(const std::vector<std::string>& args);
    // Opens a file as "&Open..." does once a name is chosen; a relative name
    // is taken from the current folder.
    void openFile(const QString& givenName);

    // The status bar's six panels.
    QString panelText(int panel) const;
    int currentRow() const;  // grid row, 1 = first event
    void setCurrentRow(int gridRow);
    bool reading() const { return reading_; }

    const document::Document& document() const { return doc_; }
    roll::ui::PianoRollWindow* pianoRoll() const;  // the open piano roll, if any
    app::ui::OpenDocument& openDocument() const { return *open_; }
    const app::MainSettings& settings() const { return settings_; }
    document::ui::EventTableModel& model() const { return *model_; }
    document::ui::EventRowPainter& painter() const { return *painter_; }
    QTableView* grid() const { return StringGrid1; }
    const base::Language& language() const { return language_; }
    std::pair<int, int> lastMouseCell() const { return {lastMouseCol_, lastMouseRow_}; }

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    // Building the window.
    void buildGrid();
    void buildToolPanel();
    void buildStatusBar();
    void buildMenus();
    void buildPopupMenu();
    // A command of `menu` that calls `run`; without `run` it stays disabled.
    QAction* addAction(QMenu* menu, const char* name, int textId, const char* caption, const QKeySequence& key,
                       std::function<void()> run);
    void track(int textId, const char* builtin, std::function<void(const QString&)> apply);
    void translate();
    void fillFindLists();

    // Settings.
    app::MainSettings presentSettings() const;
    void loadSettings();
    void saveSettings();
    void applyMainBounds();
    void layoutColumns();
    void applyStoredColumns();
    void refreshRecentMenu();

    // Commands.
    void mOpenClick();
    void mRecentClick(int slot);
    void mSaveasClick();
    void mExportClick();
    void mImportClick();
    void mRemoveBankClick();  // one undoable step
    void mUseColorClick();
    void mInstrumentsClick();
    void mPlayerClick();
    // The piano roll (main_window_roll.cpp).
    void mPianoRollClick();
    // The open roll shows where the player is and, following chords, what it plays.
    void rollFollowsPlayer(playback::ui::SectionPlayerWindow& player);
    // Sends short messages through the program's MIDI port at once, opening
    // the chosen port when it is not open (the roll's notes heard as pressed).
    void soundNow(const std::vector<std::vector<std::uint8_t>>& messages);
    // The shell's commands (main_window_shell.cpp).
    void mSetupClick();
    void mCasmHexClick();
    void mContentsClick();
    void mAboutClick();
    app::ui::MidiPortList midiPorts();
    base::Outcome associate(std::string_view extension);
    void applyLanguage(const std::string& previous);
    // Closes the windows open beside this one; false when one stays open.
    bool closeToolWindows();
    // The CASM editor and CASM creation (main_window_casm.cpp).
    void mCasmEditorClick();
    void mCreateCasmClick();
    // After a read: an editor open beside the window reads the new CASM section.
    void casmAfterRead(const document::ReadResult& result);
    // Editing single events (main_window_edit.cpp).
    void mEditEventClick();  // the edit dispatcher, by the last mouse cell
    // Opens the property dialog of the event at `row` and applies what it gives.
    void editEventAt(int row);
    void editProgramAt(int row);
    void mEditTickClick();
    // Inserting, deleting and moving rows (main_window_rows.cpp).
    void mInsertClick();
    void mDeleteClick();
    void moveEvent(bool up);
    void pmSelUnselClick();
    void ButtonNextClick();
    void ListBoxMarkersClick();
    void ListBoxAllClick();
    void StringGrid1Click();
    void StringGrid1KeyDown(QKeyEvent* e, bool& handled);
    // Selection, clipboard, channel and transposition (main_window_selection.cpp).
    void mSelectEventsClick();
    void mSelectSectionClick();
    void mUnselectSectionClick();
    void mSelectAllClick();
    void mUnselectAllClick();
    void mCopyClick();
    void mCutClick();
    void mPasteClick();
    void mEditChannelClick();  // also the edit dispatcher on the Ch. column
    void mTransposeClick();
    void selectSection(bool on);
    void copyOrCut(bool cut);
    // Flips the flags of `rows`, repaints them and shows the selection count.
    void showFlips(const std::vector<int>& rows);

    // Reading.
    void readDocument(const std::function<document::ReadResult(const document::ReadOptions&)>& read);
    document::ReadOptions readOptions();
    void setBusy(bool busy);
    void showReadResult(const document::ReadResult& result);
    void setCasmCommands(bool inUse);
    void rebuildLists();
    void runBankRemovalBatch();
    // Runs a bank removal under the reading flag with the wait window.
    void runBankRemoval(const std::function<void(document::Document&, int&)>& work);

    void setTitle(const QString& base);
    void updateTitle();
    // True when there are no unsaved changes or the user lets them go.
    bool mayDiscardChanges();
    void listsAfterEdit(const document::Touched& touched);

    void redrawRow(int gridRow);
    void showSelectionCount();
    // A fixed text: it stays until another replaces it.
    void setPanel(int panel, const QString& text);
    // What a command did, in a status panel: made again when the language
    // changes, and ended by the next edit, undo or redo (which it no longer
    // describes), or made again then when it counts what the document holds.
    void setNotice(int panel, std::function<QString()> make, bool countsDocument = false);
    void noticesAfterEdit();
    void remakeNotices();
    QString lookup(int id, const char* builtin) const;

    base::Workspace ws_;
    base::ui::UserDialogs& dialogs_;
    base::Language language_;
    app::MainSettings settings_;
    // The instrument definition file of "InsFile"; shared with the event texts of every read.
    std::shared_ptr<names::InstrumentDefinitions> definitions_ = std::make_shared<names::InstrumentDefinitions>();
    app::ui::OpenDocument* open_;  // the document, its undo stack and the grid's model
    document::Document& doc_;
    QString titleBase_ = "Ctabber";  // the caption without the modified mark
    QString openedFile_;     // the open dialog's file name: the file last read
    QString saveFileName_;   // the save dialog's file name, kept between saves
    bool reading_ = false;
    bool casmInUse_ = false;
    int lastMouseCol_ = 0;
    int lastMouseRow_ = 0;
    bool keepStoredColumns_ = false;  // right after the stored bounds were applied
    int laidOutWidth_ = -1;           // grid width the columns were last computed for

    document::ui::EventTableModel* model_ = nullptr;
    document::ui::EventRowPainter* painter_ = nullptr;

    QTableView* StringGrid1 = nullptr;
    QWidget* Panel1 = nullptr;
    QSplitter* panelSplitter_ = nullptr;
    QListWidget* ListBoxMarkers = nullptr;
    QListWidget* ListBoxAll = nullptr;
    QListWidget* ListBoxChan = nullptr;
    QComboBox* ComboBoxFind = nullptr;
    QComboBox* ComboFindChan = nullptr;
    QPushButton* ButtonNext = nullptr;
    QPushButton* ButtonCasm = nullptr;
    std::vector<QLabel*> panels_;
    struct Notice {
        std::function<QString()> make;  // empty: the panel holds a fixed text
        bool countsDocument = false;
    };
    std::vector<Notice> notices_;  // one per panel
    QProgressBar* progress_ = nullptr;

    std::vector<QMenu*> mainMenus_;
    QMenu* fileMenu_ = nullptr;
    QMenu* PopupMenu = nullptr;
    QAction* recentSeparator_ = nullptr;
    std::vector<QAction*> recentActions_;
    QAction* mSaveas = nullptr;
    QAction* mExport = nullptr;
    QAction* mRemoveBank = nullptr;
    QAction* mUseColor = nullptr;
    QAction* mCasmEditor = nullptr;
    QAction* mCasmHex = nullptr;
    QAction* mCreateCasm = nullptr;
    QPointer<tools::ui::CasmHexWindow> binCasm_;  // the open hex viewer, if any
    QPointer<casm::ui::CasmEditorWindow> casmEditor_;
    QPointer<roll::ui::PianoRollWindow> roll_;  // the piano roll open beside the window, if any  // the CASM editor open beside the window ("CtabberAdvanced")

    struct Caption {
        int id;
        QString builtin;
        std::function<void(const QString&)> apply;
    };
    std::vector<Caption> captions_;
};

}  // namespace app::ui

#pragma once
// The CASM editor: a grid of the CASM section's entries (one Ctab or Ctb2
// entry of one section per row), a side panel that edits the current entry,
// menus, a popup menu and a status bar. It reads the working file when it
// opens and writes it back on "Save" or when closed with unsaved changes;
// until then every change is held in the entry list, with its own undo
// stack (Ctrl+Z, Ctrl+Y) beside "Undo changes", which rereads the file.
// SFF2 entries show the rules of the zone the zone switch chooses, or all
// three zones in extra columns.
#include <QDialog>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>

#include "base/ui/captions.h"
#include "base/ui/user_dialogs.h"
#include "base/workspace.h"
#include "casm/columns.h"
#include "casm/entry_edit.h"
#include "casm/ui/dialog_context.h"

class QAction;
class QActionGroup;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStatusBar;
class QTableView;
class QToolButton;

namespace casm::ui {

class OpenCasm;
class CasmTableModel;

struct CasmEditorContext {
    base::ui::UserDialogs& dialogs;
    const base::Language& language;
    base::Workspace workspace;  // the settings file, the working file, the clipboard file
    QString styleFile;         // shown in the third status panel
    bool delConfirm = true;    // setting "Delete confirmation"
};

class CasmEditorWindow : public QDialog, public base::ui::Translatable {
    Q_OBJECT
public:
    CasmEditorWindow(QWidget* parent, CasmEditorContext context);
    ~CasmEditorWindow() override;

    // False when the working file could not be read: the window is not to be shown.
    bool opened() const { return opened_; }
    // A style was loaded while the window stays open: its CASM section is
    // read anew, with nothing to undo. False when it could not be read.
    bool reloadWorkingFile(const QString& styleFile);
    void translate() override;

    OpenCasm& casm() const { return *casm_; }
    CasmTableModel& model() const { return *model_; }
    QTableView* grid() const { return StringGrid1; }
    int currentRow() const;  // grid row, 1 = first entry; 0 for none
    void setCurrentRow(int gridRow);
    // The list index of the current entry, or -1.
    int currentEntry() const;
    QString panelText(int panel) const;
    // A double click on a cell: what the column's editor does.
    void StringGrid1DblClick(int gridRow, int column);

    // The menus and the popup menu; actions are found by object name.
    QMenuBar* MainMenu1;
    QMenu* PopupMenu1;
    QTableView* StringGrid1;
    QStatusBar* StatusBar1;

    // The side panel.
    QWidget* Panel1;
    QLineEdit* EditName;
    QComboBox* ComboBoxChan;
    QComboBox* ComboBoxRoot;
    QComboBox* ComboBoxType;
    QToolButton* ButtonChords;
    QButtonGroup* RadioGroupNTR;
    std::array<QRadioButton*, 3> ntrButtons;
    QComboBox* ComboBoxNTT;
    QCheckBox* CheckBoxBass;  // Ctb2: the NTT's bass bit
    QComboBox* ComboBoxHK;
    QSpinBox* SpinLow;
    QToolButton* ButtonLow;
    QSpinBox* SpinHigh;
    QToolButton* ButtonHigh;
    QComboBox* ComboBoxRTR;
    QPushButton* ButtonNoteMute;
    QPushButton* ButtonChordMute;
    QCheckBox* CheckBoxAutoStart;
    QCheckBox* CheckBoxReadOnly;
    QSpinBox* SpinCntt;
    QToolButton* ButtonCnttDelete;
    QComboBox* ComboBoxZone;  // Ctb2: the zone the rule controls and columns show
    QSpinBox* SpinMidLow;
    QSpinBox* SpinMidHigh;

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    // Building (casm_editor_window.cpp).
    void buildGrid();
    void buildMenus();
    void buildPopupMenu();
    void buildStatusBar();
    QAction* command(QMenu* menu, const char* name, int textId, const char* caption, const QKeySequence& key,
                     void (CasmEditorWindow::*run)());
    void layoutColumns();
    void loadSettings();
    void saveSettings();
    DialogContext dialogContext() const;
    QString text(int id) const;
    QString text(int id, const char* builtin) const;

    // Reading and the grid (casm_editor_window.cpp).
    std::optional<CasmList> readCasmFile(const std::filesystem::path& file, bool reportFailure);
    void listEdited();
    void currentChanged();
    void showStatus();
    void StringGrid1KeyDown(QKeyEvent* e, bool& handled);
    // Builds an edit from a copy of the list that `alter` changes, and
    // applies it; every entry whose bytes changed gets its changed flag.
    void change(const QString& name, const std::function<void(CasmList&)>& alter);
    // The same for the current entry.
    void changeCurrent(const QString& name, const std::function<void(Entry&)>& alter);
    const Entry* current() const;

    // The side panel (casm_editor_window_panel.cpp).
    void buildPanel();
    void showEntry();
    void connectPanel();
    void fillRuleNames(const Entry* entry);
    Zone shownZone() const;
    void setShownZone(Zone zone);

    // Double-click editing (casm_editor_window_cells.cpp).
    std::optional<int> popupChoice(const QStringList& items, int ticked, const QPoint& at, bool withNew = false);
    void editByte(std::size_t clicked, const Column& column, std::uint8_t value, std::uint8_t mask = 0xFF);
    std::optional<int> pickNote(int note);
    std::optional<QString> askName(const QString& name, const QPoint& at);

    // File commands (casm_editor_window_file.cpp).
    void mUndoClick();
    void mOpenClick();
    void mSaveClick();
    void mSaveasClick();
    void mCheckCASMClick();
    // Writes the list to `file` with the section order dialog; true on success.
    bool writeTo(const std::filesystem::path& file);
    void mCopyClick();
    void mCutClick();
    void mPasteClick();
    void mSaveCtabClick();
    void mLoadCtabClick();
    // Puts entries from outside before the current entry, unless their kind is refused.
    void insertBeforeCurrent(std::vector<Entry> entries, const QString& name);
    std::vector<std::size_t> copiedIndices() const;

    // Edit, view and assign commands (casm_editor_window_edit.cpp).
    void mDeleteClick();
    void mDeleteCnttClick();
    void mTrChTblClick();
    void mByteEditorClick();
    void mSetEditableClick();
    void mSetReadOnlyClick();
    void mark(int by, bool on);
    void mSelectSectionsClick();
    void flipMark(bool advance);
    void clearMarks();
    void setSortMode(int mode);
    void assignMenuShow();
    void assignChord(int group, int which);
    void assignRules(int group);

    CasmEditorContext context_;
    base::ui::Captions captions_;
    OpenCasm* casm_;
    CasmTableModel* model_;
    bool opened_ = false;
    bool showing_ = false;  // the panel is being filled: its signals change nothing
    bool closing_ = false;
    std::array<int, kGridColumns> storedWidths_{};
    bool keepStoredWidths_ = false;
    int laidOutWidth_ = -1;
    QString openDir_, saveDir_, openDir2_, saveDir2_;
    std::array<QLabel*, 3> panels_{};
    QMenu* assignSection_ = nullptr;
    QMenu* assignChannel_ = nullptr;
    QMenu* assignSelected_ = nullptr;
    QAction* panelAction_ = nullptr;
    std::vector<QAction*> pasteActions_;
    QActionGroup* zoneGroup_ = nullptr;
};

}  // namespace casm::ui

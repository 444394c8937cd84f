#pragma once
// "CASM HEX View": a read-only hexadecimal dump of a CASM section file (or
// any file), written to the dump file "#casm.txt" of this instance's working folder
// at every load. The bytes or the dump can be saved under a new name, and the
// shown file compared with another one. Modeless; it frees itself when
// closed and keeps its place in the settings file.
#include <QWidget>
#include <filesystem>

#include "base/language.h"
#include "base/ui/captions.h"
#include "base/ui/user_dialogs.h"

class QAction;
class QListView;
class QMenu;
class QMenuBar;

namespace tools::ui {

class HexDumpModel;

struct BinCasmContext {
    base::ui::UserDialogs& dialogs;
    const base::Language& language;
    std::filesystem::path settingsFile;
    std::filesystem::path programDir;  // where the file dialogs start
    std::filesystem::path dumpFile;    // "#casm.txt" of the workspace
};

class CasmHexWindow : public QWidget, public base::ui::Translatable {
    Q_OBJECT
public:
    CasmHexWindow(QWidget* parent, BinCasmContext context);

    // Shows `file`: the old dump file is removed, the new one written, the
    // list shows its lines. A file that is refused leaves an empty list and
    // its message. `shownName` (the user's file a working file holds the
    // CASM section of) titles the window instead of the file's own path.
    void load(const std::filesystem::path& file, const QString& shownName = {});
    const std::filesystem::path& shownFile() const { return shownFile_; }
    void translate() override;

    QMenuBar* MainMenu1;
    QMenu* mFile;
    QAction* mSaveas;
    QAction* mOpen;
    QAction* mCompare;
    QAction* mExit;
    QListView* ListBox1;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void mOpenClick();
    void mSaveasClick();
    void mCompareClick();
    void showCaption();
    void report(const base::Message& message);

    BinCasmContext context_;
    base::ui::Captions captions_;
    HexDumpModel* model_;
    std::filesystem::path shownFile_;
    QString shownName_;
};

}  // namespace tools::ui

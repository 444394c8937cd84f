#pragma once
// "Select Bank Instrument": a bank's set and one of its instruments, from the
// instrument definition file.
#include <filesystem>

#include "app/language.h"
#include "app/ui/user_dialogs.h"
#include "app/ui/window_position.h"
#include "names/instrument_definitions.h"

class QGroupBox;
class QListWidget;
class QPushButton;

class TSelInst : public app::ui::RememberedDialog {
    Q_OBJECT
public:
    // `dialogs` tells the user when the preset bank is not in the file; the
    // window keeps its place in `settingsFile`.
    TSelInst(names::InstrumentDefinitions& definitions, int bank, int program, app::ui::UserDialogs& dialogs,
             const std::filesystem::path& settingsFile, const app::Language& language = app::builtinLanguage(),
             QWidget* parent = nullptr);

    // After OK: whether a set and one of its instruments were chosen, and
    // which bank and program they are (both 0 when the choice names none;
    // a caller then changes nothing).
    bool chosen() const { return chosen_; }
    int bank() const { return bank_; }
    int program() const { return program_; }

    QGroupBox* GroupBox1;
    QListWidget* BankList;
    QGroupBox* GroupBox2;
    QListWidget* InstList;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void BankListClick(int row);
    void ButtonOKClick();

    names::InstrumentDefinitions& definitions_;
    app::ui::UserDialogs& dialogs_;
    int bank_;
    int program_;
    bool chosen_ = false;
    bool shown_ = false;
};

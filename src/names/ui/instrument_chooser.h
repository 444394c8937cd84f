#pragma once
// "Select Bank Instrument": a bank's set and one of its instruments, from the
// instrument definition file.
#include <filesystem>

#include "base/language.h"
#include "base/ui/user_dialogs.h"
#include "base/ui/window_position.h"
#include "names/instrument_definitions.h"

class QGroupBox;
class QListWidget;
class QPushButton;

class InstrumentChooser : public base::ui::RememberedDialog {
    Q_OBJECT
public:
    // `dialogs` tells the user when the preset bank is not in the file; the
    // window keeps its place in `settingsFile`.
    InstrumentChooser(names::InstrumentDefinitions& definitions, int bank, int program, base::ui::UserDialogs& dialogs,
             const std::filesystem::path& settingsFile, const base::Language& language = base::builtinLanguage(),
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
    base::ui::UserDialogs& dialogs_;
    int bank_;
    int program_;
    bool chosen_ = false;
    bool shown_ = false;
};

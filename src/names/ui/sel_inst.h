#pragma once
// "Select Bank Instrument": a bank's set and one of its instruments, from the
// instrument definition file.
#include <QDialog>
#include <functional>

#include "app/language.h"
#include "names/instrument_definitions.h"

class QGroupBox;
class QListWidget;
class QPushButton;

class TSelInst : public QDialog {
    Q_OBJECT
public:
    // Tells the user that the preset bank is not in the file (caption, text).
    using Notice = std::function<void(QWidget* parent, const QString& caption, const QString& text)>;
    // A plain warning box.
    static void showMissingBank(QWidget* parent, const QString& caption, const QString& text);

    TSelInst(names::InstrumentDefinitions& definitions, int bank, int program,
             const app::Language& language = app::builtinLanguage(), Notice missingBank = showMissingBank,
             QWidget* parent = nullptr);

    // After OK: the chosen bank and program (both 0 when the choice names none).
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
    Notice missingBank_;
    int bank_;
    int program_;
    bool shown_ = false;
};

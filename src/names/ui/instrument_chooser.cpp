#include "names/ui/instrument_chooser.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ui/dialog_texts.h"

namespace {

QListWidget* listIn(QGroupBox* box, const char* name) {
    auto* list = new QListWidget(box);
    list->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(list);
    return list;
}

void fill(QListWidget* list, const std::vector<std::string>& items) {
    list->clear();
    for (const auto& item : items) list->addItem(base::ui::qtext(item));
}

// The first row whose text equals `text`, or -1.
int rowOf(const QListWidget* list, const QString& text) {
    for (int r = 0; r < list->count(); ++r)
        if (list->item(r)->text() == text) return r;
    return -1;
}

}  // namespace

InstrumentChooser::InstrumentChooser(names::InstrumentDefinitions& definitions, int bank, int program, base::ui::UserDialogs& dialogs,
                   const std::filesystem::path& settingsFile, const base::Language& language, QWidget* parent)
    : base::ui::RememberedDialog(parent, settingsFile, "SelInst"),
      definitions_(definitions),
      dialogs_(dialogs),
      bank_(bank),
      program_(program) {
    setWindowTitle(base::ui::text(language, 310, "Select Bank Instrument"));

    GroupBox1 = new QGroupBox(base::ui::text(language, 226, "Bank"), this);
    BankList = listIn(GroupBox1, "BankList");
    GroupBox2 = new QGroupBox(base::ui::text(language, 227, "Instrument"), this);
    InstList = listIn(GroupBox2, "InstList");
    fill(BankList, definitions_.setNames());

    auto* buttons = base::ui::okCancelRow(this, language, "&OK", "&Cancel", ButtonOK, ButtonCancel);
    auto* lists = new QHBoxLayout;
    lists->addWidget(GroupBox1, 1);
    lists->addWidget(GroupBox2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    connect(BankList, &QListWidget::currentRowChanged, this, &InstrumentChooser::BankListClick);
    connect(InstList, &QListWidget::itemDoubleClicked, this, &InstrumentChooser::ButtonOKClick);
    connect(ButtonOK, &QPushButton::clicked, this, &InstrumentChooser::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    restorePlace();
}

void InstrumentChooser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void InstrumentChooser::FormShow() {
    if (!definitions_.findBank(bank_)) {
        dialogs_.message(this, "Missing Bank " + QString::number(bank_),
                         "Bank is not found... Default Bank will be used...", base::Icon::Warning, false);
        definitions_.setBankName(definitions_.defaultBankName());
        bank_ = definitions_.bankOfSetName(definitions_.bankName());
    }
    const int bankRow = rowOf(BankList, base::ui::qtext(definitions_.bankName()));
    if (bankRow < 0) return;
    BankList->setCurrentRow(bankRow);
    BankListClick(bankRow);
    const QString name = base::ui::qtext(definitions_.patchName(bank_, program_));
    if (name.isEmpty()) return;
    if (const int instRow = rowOf(InstList, name); instRow >= 0) InstList->setCurrentRow(instRow);
}

void InstrumentChooser::BankListClick(int row) {
    if (row < 0) return;
    definitions_.setBankName(base::ui::bytesOf(BankList->item(row)->text()));
    fill(InstList, definitions_.patchNames());
}

void InstrumentChooser::ButtonOKClick() {
    bank_ = 0;
    program_ = 0;
    chosen_ = false;
    const QListWidgetItem* set = BankList->currentItem();
    const QListWidgetItem* instrument = InstList->currentItem();
    if (set && instrument) {
        const std::string setName = base::ui::bytesOf(set->text());
        const int bank = definitions_.bankOfSetName(setName);
        if (bank != -1) {
            definitions_.setBankName(setName);
            const int program = definitions_.programOfPatchName(base::ui::bytesOf(instrument->text()));
            if (program != -1) {
                bank_ = bank;
                program_ = program;
                chosen_ = true;
            }
        }
    }
    accept();
}

#include "names/ui/sel_inst.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "names/ui/chooser_parts.h"

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
    for (const auto& item : items) list->addItem(names::ui::qtext(item));
}

// The first row whose text equals `text`, or -1.
int rowOf(const QListWidget* list, const QString& text) {
    for (int r = 0; r < list->count(); ++r)
        if (list->item(r)->text() == text) return r;
    return -1;
}

}  // namespace

TSelInst::TSelInst(names::InstrumentDefinitions& definitions, int bank, int program, app::ui::UserDialogs& dialogs,
                   const std::filesystem::path& settingsFile, const app::Language& language, QWidget* parent)
    : app::ui::RememberedDialog(parent, settingsFile, "SelInst"),
      definitions_(definitions),
      dialogs_(dialogs),
      bank_(bank),
      program_(program) {
    setWindowTitle(names::ui::text(language, 310, "Select Bank Instrument"));

    GroupBox1 = new QGroupBox(names::ui::text(language, 226, "Bank"), this);
    BankList = listIn(GroupBox1, "BankList");
    GroupBox2 = new QGroupBox(names::ui::text(language, 227, "Instrument"), this);
    InstList = listIn(GroupBox2, "InstList");
    fill(BankList, definitions_.setNames());

    auto* buttons = names::ui::okCancelRow(this, language, "&OK", "&Cancel", ButtonOK, ButtonCancel);
    auto* lists = new QHBoxLayout;
    lists->addWidget(GroupBox1, 1);
    lists->addWidget(GroupBox2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    connect(BankList, &QListWidget::currentRowChanged, this, &TSelInst::BankListClick);
    connect(InstList, &QListWidget::itemDoubleClicked, this, &TSelInst::ButtonOKClick);
    connect(ButtonOK, &QPushButton::clicked, this, &TSelInst::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    restorePlace();
}

void TSelInst::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TSelInst::FormShow() {
    if (!definitions_.findBank(bank_)) {
        dialogs_.message(this, "Missing Bank " + QString::number(bank_),
                         "Bank is not found... Default Bank will be used...", app::Icon::Warning, false);
        definitions_.setBankName(definitions_.defaultBankName());
        bank_ = definitions_.bankOfSetName(definitions_.bankName());
    }
    const int bankRow = rowOf(BankList, names::ui::qtext(definitions_.bankName()));
    if (bankRow < 0) return;
    BankList->setCurrentRow(bankRow);
    BankListClick(bankRow);
    const QString name = names::ui::qtext(definitions_.patchName(bank_, program_));
    if (name.isEmpty()) return;
    if (const int instRow = rowOf(InstList, name); instRow >= 0) InstList->setCurrentRow(instRow);
}

void TSelInst::BankListClick(int row) {
    if (row < 0) return;
    definitions_.setBankName(names::ui::bytesOf(BankList->item(row)->text()));
    fill(InstList, definitions_.patchNames());
}

void TSelInst::ButtonOKClick() {
    bank_ = 0;
    program_ = 0;
    chosen_ = false;
    const QListWidgetItem* set = BankList->currentItem();
    const QListWidgetItem* instrument = InstList->currentItem();
    if (set && instrument) {
        const std::string setName = names::ui::bytesOf(set->text());
        const int bank = definitions_.bankOfSetName(setName);
        if (bank != -1) {
            definitions_.setBankName(setName);
            const int program = definitions_.programOfPatchName(names::ui::bytesOf(instrument->text()));
            if (program != -1) {
                bank_ = bank;
                program_ = program;
                chosen_ = true;
            }
        }
    }
    accept();
}

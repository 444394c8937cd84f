#include "casm/ui/entry_bytes_dialog.h"
#include "casm/ui/qt_text.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/profile.h"
#include "casm/byte_editor.h"

namespace casm::ui {
EntryBytesDialog::EntryBytesDialog(QWidget* parent, const DialogContext& context, const Entry& entry)
    : RememberedDialog(parent, context.settingsFile, "EdBin"),
      context_(context),
      captions_(context.language),
      copy_(entry),
      rows_(byteEditorRows(entry.length)) {
    auto* layout = new QHBoxLayout(this);
    StringGrid1 = new QTableWidget(static_cast<int>(rows_.size()), 2, this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(20);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->setColumnWidth(0, 130);
    StringGrid1->setMinimumSize(250, 20 * 22 + 30);
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        auto* field = new QTableWidgetItem(base::ui::qtext(std::string(rows_[static_cast<std::size_t>(r)].name)));
        field->setFlags(Qt::ItemIsEnabled);
        StringGrid1->setItem(r, 0, field);
        StringGrid1->setItem(r, 1, new QTableWidgetItem);
    }
    layout->addWidget(StringGrid1, 1);

    auto* side = new QVBoxLayout;
    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName("RadioGroup1");
    auto* radios = new QVBoxLayout(RadioGroup1);
    RadioDec = new QRadioButton(RadioGroup1);
    RadioDec->setObjectName("RadioDec");
    RadioHex = new QRadioButton(RadioGroup1);
    RadioHex->setObjectName("RadioHex");
    radios->addWidget(RadioDec);
    radios->addWidget(RadioHex);
    auto* group = new QButtonGroup(this);
    group->addButton(RadioDec, 0);
    group->addButton(RadioHex, 1);
    base::ui::okCancelButtons(*this, captions_, ButtonOK, ButtonCancel);
    side->addWidget(RadioGroup1);
    side->addStretch();
    side->addWidget(ButtonOK);
    side->addWidget(ButtonCancel);
    layout->addLayout(side);

    captions_.add(234, [this](const QString& t) { setWindowTitle(t); });
    captions_.add(235, [this](const QString& t) { RadioDec->setText(t); });
    captions_.add(236, [this](const QString& t) { RadioHex->setText(t); });
    StringGrid1->setHorizontalHeaderLabels({captions_.text(237), captions_.text(238)});

    // Typed values survive a change of format: the grid is read in the old one first.
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) setHex(id == 1);
    });

    const bool hexStored = base::readProfileInt(context_.settingsFile, "BinaryEdit", "DecHex", 0) == 1;
    shownHex_ = hexStored;
    (hexStored ? RadioHex : RadioDec)->setChecked(true);
    showBytes(hexStored);
    restorePlace();
}

bool EntryBytesDialog::hex() const { return shownHex_; }

void EntryBytesDialog::showBytes(bool hex) {
    shownHex_ = hex;
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r)
        StringGrid1->item(r, 1)->setText(base::ui::qtext(byteEditorText(copy_, rows_[static_cast<std::size_t>(r)], hex)));
}

void EntryBytesDialog::readBack() {
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r)
        storeByteEditorText(copy_, rows_[static_cast<std::size_t>(r)], StringGrid1->item(r, 1)->text().toLatin1().toStdString(),
                            shownHex_);
}

void EntryBytesDialog::setHex(bool hex) {
    if (hex == shownHex_) return;
    readBack();
    (hex ? RadioHex : RadioDec)->setChecked(true);
    showBytes(hex);
}

const Entry& EntryBytesDialog::edited() {
    readBack();
    return copy_;
}

void EntryBytesDialog::done(int result) {
    if (result == QDialog::Accepted) readBack();
    base::writeProfileString(context_.settingsFile, "BinaryEdit", "DecHex", shownHex_ ? "1" : "0");
    RememberedDialog::done(result);
}

}  // namespace casm::ui

#include "names/ui/style_instruments_window.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/ui/dialog_texts.h"
#include "document/instrument_overview.h"

namespace {

enum Column { ColChan, ColBank, ColBankName, ColGroup, ColPatch, ColumnCount };

}  // namespace

StyleInstrumentsWindow::StyleInstrumentsWindow(const document::Document& document, names::InstrumentDefinitions& definitions,
                   base::ui::UserDialogs& dialogs, const std::filesystem::path& settingsFile,
                   const base::Language& language, QWidget* parent)
    : base::ui::RememberedDialog(parent, settingsFile, "Instrum"),
      document_(document),
      definitions_(definitions),
      language_(language),
      dialogs_(dialogs) {
    setWindowTitle(base::ui::text(language, 282, "Style Instruments"));

    StringGrid1 = new QTableWidget(16, ColumnCount, this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < 16; ++row)
        for (int col = 0; col < ColumnCount; ++col)
            StringGrid1->setItem(row, col, new QTableWidgetItem(col == ColChan ? QString::number(row + 1) : QString()));

    ComboBox = new QComboBox(this);
    ComboBox->setObjectName("ComboBox");
    for (const auto& marker : document_.markers) ComboBox->addItem(base::ui::qtext(marker));
    ComboBox->setVisible(!document_.markers.empty());

    ButtonChange = new QPushButton(base::ui::text(language, 283, "C&hange"), this);
    ButtonChange->setObjectName("ButtonChange");
    ButtonChange->setDefault(true);
    ButtonChange->setEnabled(false);
    ButtonCancel = new QPushButton(base::ui::text(language, 81, "&Cancel"), this);
    ButtonCancel->setObjectName("ButtonCancel");
    ButtonIns = new QPushButton(base::ui::text(language, 284, "&Ins File"), this);
    ButtonIns->setObjectName("ButtonIns");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ComboBox);
    buttons->addStretch();
    buttons->addWidget(ButtonIns);
    buttons->addWidget(ButtonChange);
    buttons->addWidget(ButtonCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StringGrid1, 1);
    layout->addLayout(buttons);
    StringGrid1->setMinimumWidth(520);
    // All sixteen channels in view: a style plays on channels 9 to 16.
    StringGrid1->setMinimumHeight(StringGrid1->horizontalHeader()->sizeHint().height() +
                                  16 * StringGrid1->verticalHeader()->defaultSectionSize() +
                                  2 * StringGrid1->frameWidth());
    restorePlace();

    // The start-up part of the style first, whatever the first marker is.
    showSection("SFF1");

    connect(ComboBox, &QComboBox::activated, this, &StyleInstrumentsWindow::ComboBoxChange);
    connect(StringGrid1, &QTableWidget::itemSelectionChanged, this, &StyleInstrumentsWindow::StringGrid1Click);
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, [this] {
        if (ButtonChange->isEnabled()) accept();
    });
    connect(ButtonChange, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ButtonIns, &QPushButton::clicked, this, &StyleInstrumentsWindow::ButtonInsClick);
}

void StyleInstrumentsWindow::showSection(std::string_view marker) {
    channels_ = document::scanSection(document_.events, marker);
    fillGrid();
    StringGrid1Click();
}

void StyleInstrumentsWindow::fillGrid() {
    // The file name is in the file system's encoding.
    const QString patch = QString::fromLocal8Bit(document::patchColumnTitle(language_.text(286, "Patch"), definitions_));
    StringGrid1->setHorizontalHeaderLabels({base::ui::text(language_, 72, "Chan"), base::ui::text(language_, 226, "Bank"),
                                            base::ui::text(language_, 285, "Bank Name"),
                                            base::ui::text(language_, 228, "Group"), patch});
    const auto rows = document::overviewRows(channels_, definitions_);
    for (int channel = 0; channel < 16; ++channel) {
        const document::OverviewRow& row = rows[static_cast<std::size_t>(channel)];
        StringGrid1->item(channel, ColBank)->setText(base::ui::qtext(row.bank));
        StringGrid1->item(channel, ColBankName)->setText(base::ui::qtext(row.bankName));
        StringGrid1->item(channel, ColGroup)->setText(base::ui::qtext(row.group));
        StringGrid1->item(channel, ColPatch)->setText(base::ui::qtext(row.patch));
    }
}

void StyleInstrumentsWindow::ComboBoxChange(int index) {
    if (index < 0 || index >= static_cast<int>(document_.markers.size())) return;
    showSection(document_.markers[static_cast<std::size_t>(index)]);
}

void StyleInstrumentsWindow::StringGrid1Click() {
    const int channel = selectedChannel();
    ButtonChange->setEnabled(channel >= 0 && channels_[static_cast<std::size_t>(channel)].used);
}

void StyleInstrumentsWindow::ButtonInsClick() {
    base::ui::FileRequest request;
    request.title = base::ui::text(language_, 287, "Select Cakewalk instrument file...");
    request.filters = base::ui::qtFilters({"Cakewalk instruments (*.ins)|*.ins"});
    if (definitions_.hasFile()) request.fileName = QString::fromLocal8Bit(definitions_.file().string());
    const auto choice = dialogs_.openFile(this, request);
    if (!choice || !QFileInfo(choice->path).isFile()) return;
    const QString file = choice->path;
    const std::filesystem::path path = QFile::encodeName(file).toStdString();
    definitions_.setFile(path);
    if (onInsFileChosen) onInsFileChosen(path);
    fillGrid();
}

int StyleInstrumentsWindow::selectedChannel() const {
    const auto selected = StringGrid1->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int StyleInstrumentsWindow::programRow() const {
    const int channel = selectedChannel();
    return channel < 0 ? 0 : static_cast<int>(channels_[static_cast<std::size_t>(channel)].programRow);
}

#include "events/ui/sequencer_data_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ui/dialog_texts.h"
#include "events/byte_entry.h"

namespace events::ui {
namespace {

const char* kSsiFilter = "Sequencer specific information (*.ssi)|*.ssi";

}  // namespace

SequencerDataDialog::SequencerDataDialog(const std::vector<std::uint8_t>& dataBytes, base::ui::UserDialogs& dialogs,
           const std::filesystem::path& settingsFile, const base::Language& language, QWidget* parent)
    : base::ui::RememberedDialog(parent, settingsFile, "Ssi"), dialogs_(dialogs), language_(language) {
    using base::ui::text;
    setWindowTitle(text(language, 369, "Sequencer specific information") + " (" + QString::number(dataBytes.size()) + " " +
                   text(language, 372, "Bytes") + ")");
    Memo1 = new QPlainTextEdit(QString::fromStdString(ssiText(dataBytes)), this);
    Memo1->setObjectName("Memo1");
    Memo1->setFont(QFont("Monospace"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Room for a whole line of 16 bytes and the scroll bar.
    Memo1->setMinimumWidth(Memo1->fontMetrics().horizontalAdvance(QString("00,").repeated(kSsiBytesPerLine)) + 40);
    GroupBox1 = new QGroupBox(text(language, 370, "File *.ssi"), this);
    ButtonLoad = new QPushButton(text(language, 337, "Load"), GroupBox1);
    ButtonLoad->setObjectName("ButtonLoad");
    ButtonSave = new QPushButton(text(language, 339, "Save"), GroupBox1);
    ButtonSave->setObjectName("ButtonSave");
    auto* fileButtons = new QVBoxLayout(GroupBox1);
    fileButtons->addWidget(ButtonLoad);
    fileButtons->addWidget(ButtonSave);
    auto* side = new QVBoxLayout;
    side->addWidget(GroupBox1);
    side->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(Memo1, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(base::ui::okCancelRow(this, language, "&OK", "&Cancel", ButtonOK, ButtonCancel));

    connect(ButtonLoad, &QPushButton::clicked, this, &SequencerDataDialog::ButtonLoadClick);
    connect(ButtonSave, &QPushButton::clicked, this, &SequencerDataDialog::ButtonSaveClick);
    connect(ButtonOK, &QPushButton::clicked, this, &SequencerDataDialog::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    restorePlace();
}

std::optional<std::vector<std::uint8_t>> SequencerDataDialog::parsed() {
    auto entry = parseByteEntry(Memo1->toPlainText().toStdString(), language_, kMaxSsiBytes);
    if (entry.failure) {
        base::ui::showMessage(dialogs_, this, *entry.failure);
        return std::nullopt;
    }
    return std::move(entry.bytes);
}

void SequencerDataDialog::ButtonLoadClick() {
    base::ui::FileRequest request;
    request.filters = base::ui::qtFilters({kSsiFilter});
    request.defaultSuffix = "ssi";
    const auto choice = dialogs_.openFile(this, request);
    if (!choice) return;
    const auto file = readSsi(choice->path.toStdString(), language_);
    // A file that cannot be loaded leaves the text as it was.
    if (file.failure) return base::ui::showMessage(dialogs_, this, *file.failure);
    Memo1->setPlainText(QString::fromStdString(file.text));
}

void SequencerDataDialog::ButtonSaveClick() {
    const auto bytes = parsed();
    if (!bytes || bytes->empty()) return;
    base::ui::FileRequest request;
    request.filters = base::ui::qtFilters({kSsiFilter});
    request.defaultSuffix = "ssi";
    request.confirmOverwrite = true;
    const auto choice = dialogs_.saveFile(this, request);
    if (!choice) return;
    const auto outcome = writeSsi(choice->path.toStdString(), *bytes, language_);
    if (!outcome.ok) base::ui::showMessage(dialogs_, this, outcome.message);
}

void SequencerDataDialog::ButtonOKClick() {
    auto bytes = parsed();
    if (!bytes) return;
    bytes_ = std::move(*bytes);
    accept();
}

}  // namespace events::ui

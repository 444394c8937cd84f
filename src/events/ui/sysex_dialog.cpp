#include "events/ui/sysex_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "base/comma_hex.h"
#include "base/ui/dialog_texts.h"
#include "events/byte_entry.h"
#include "events/syx_file.h"
#include "events/ui/dialog_parts.h"

namespace events::ui {
namespace {

const char* kSyxFilter = "System Exclusive Message (*.syx)|*.syx";

}  // namespace

SysexDialog::SysexDialog(const std::vector<std::uint8_t>& dataBytes, const std::string& description,
               const names::SysexDescriptions& descriptions, base::ui::UserDialogs& dialogs,
               const std::filesystem::path& settingsFile, const base::Language& language, QWidget* parent)
    : base::ui::RememberedDialog(parent, settingsFile, "Sysex"),
      descriptions_(descriptions),
      dialogs_(dialogs),
      language_(language) {
    using base::ui::text;
    setWindowTitle(text(language, 336, "System Exclusive Event"));
    Edit1 = new QLineEdit(QString::fromStdString(base::commaHexText(dataBytes)), this);
    Edit1->setObjectName("Edit1");
    Label1 = new QLabel(base::ui::qtext(description), this);
    Label1->setObjectName("Label1");
    Label1->setAutoFillBackground(true);
    Label1->setStyleSheet("QLabel { background: #ffffe0; padding: 2px; }");
    Label1->setMinimumWidth(360);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    for (std::size_t n = 0;; ++n) {
        const auto name = descriptions_.systemDescription(n);
        if (name.empty()) break;
        ListBox1->addItem(base::ui::qtext(name));
    }
    ButtonLoadList = new QPushButton(text(language, 337, "Load"), this);
    ButtonLoadList->setObjectName("ButtonLoadList");
    ButtonLoadList->setEnabled(false);
    GroupFile = new QGroupBox(text(language, 338, "File *.syx"), this);
    ButtonLoadFile = new QPushButton(text(language, 337, "Load"), GroupFile);
    ButtonLoadFile->setObjectName("ButtonLoadFile");
    ButtonSaveFile = new QPushButton(text(language, 339, "Save"), GroupFile);
    ButtonSaveFile->setObjectName("ButtonSaveFile");
    auto* fileButtons = new QHBoxLayout(GroupFile);
    fileButtons->addWidget(ButtonLoadFile);
    fileButtons->addWidget(ButtonSaveFile);

    auto* side = new QVBoxLayout;
    side->addWidget(ButtonLoadList);
    side->addStretch();
    side->addWidget(GroupFile);
    auto* lower = new QHBoxLayout;
    lower->addWidget(ListBox1, 1);
    lower->addLayout(side);
    auto* body = new QVBoxLayout;
    body->addWidget(Edit1);
    body->addWidget(Label1);
    body->addLayout(lower, 1);
    finishDialog(this, body, language, ButtonOK, ButtonCancel, false, false);

    connect(Edit1, &QLineEdit::textEdited, Label1, &QLabel::clear);
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ButtonLoadList->setEnabled(true); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &SysexDialog::loadPredefined);
    connect(ButtonLoadList, &QPushButton::clicked, this, &SysexDialog::loadPredefined);
    connect(ButtonLoadFile, &QPushButton::clicked, this, &SysexDialog::ButtonLoadFileClick);
    connect(ButtonSaveFile, &QPushButton::clicked, this, &SysexDialog::ButtonSaveFileClick);
    connect(ButtonOK, &QPushButton::clicked, this, &SysexDialog::ButtonOKClick);
    resize(480, 320);
    restorePlace();
}

void SysexDialog::loadPredefined() {
    const int row = ListBox1->currentRow();
    const auto& entries = descriptions_.systemEntries();
    if (row < 0 || row >= static_cast<int>(entries.size())) return;
    const auto& entry = entries[static_cast<std::size_t>(row)];
    Label1->setText(base::ui::qtext(entry.description));
    Edit1->setText(QString::fromStdString(base::commaHexText(entry.bytes)));
}

void SysexDialog::ButtonLoadFileClick() {
    base::ui::FileRequest request;
    request.filters = base::ui::qtFilters({kSyxFilter});
    const auto choice = dialogs_.openFile(this, request);
    if (!choice) return;
    const auto file = readSyx(choice->path.toStdString(), language_);
    if (file.failure) return tell(*file.failure);  // the entry stays as it was
    Edit1->setText(QString::fromStdString(base::commaHexText(file.bytes)));
    Label1->setText(base::ui::qtext(descriptions_.describe(file.bytes)));
}

void SysexDialog::ButtonSaveFileClick() {
    const auto bytes = entryBytes();
    if (!bytes) return;
    base::ui::FileRequest request;
    request.filters = base::ui::qtFilters({kSyxFilter});
    request.defaultSuffix = "syx";
    request.confirmOverwrite = true;
    request.fileName = base::ui::qtext(syxFileName(base::ui::bytesOf(Label1->text())));
    const auto choice = dialogs_.saveFile(this, request);
    if (!choice) return;
    const auto outcome = writeSyx(choice->path.toStdString(), *bytes, language_);
    if (!outcome.ok) tell(outcome.message);
}

void SysexDialog::ButtonOKClick() {
    auto bytes = entryBytes();
    if (!bytes) return;
    bytes_ = std::move(*bytes);
    accept();
}

std::optional<std::vector<std::uint8_t>> SysexDialog::entryBytes() {
    auto parsed = events::parseByteEntry(Edit1->text().toStdString(), language_);
    if (parsed.failure) {
        tell(*parsed.failure);
        return std::nullopt;
    }
    return std::move(parsed.bytes);
}

void SysexDialog::tell(const base::Message& message) { base::ui::showMessage(dialogs_, this, message); }

}  // namespace events::ui

#include "events/ui/text_event_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "base/ui/dialog_texts.h"
#include "events/text_kinds.h"
#include "events/ui/dialog_parts.h"
#include "events/ui/radio_group.h"

namespace events::ui {
namespace {

QStringList itemsOf(std::span<const std::string_view> texts) {
    QStringList items;
    for (auto t : texts) items << base::ui::qtext(t);
    return items;
}

}  // namespace

TextEventDialog::TextEventDialog(const TextValues& values, const std::filesystem::path& genreFile,
               const std::filesystem::path& settingsFile, const base::Language& language, QWidget* parent)
    : base::ui::RememberedDialog(parent, settingsFile, "Texts") {
    using base::ui::text;
    setWindowTitle(text(language, 342, "Text Event"));
    Kind = new RadioGroup(text(language, 344, "Text kind"), itemsOf(textKindNames()), this);
    Kind->setObjectName("Kind");
    Kind->setItemIndex(std::clamp(values.kind, 0, kTextKindCount - 1));
    Edit1 = new QLineEdit(base::ui::qtext(values.text), this);
    Edit1->setObjectName("Edit1");
    Edit1->setMaxLength(std::max(Edit1->maxLength(), static_cast<int>(values.text.size())));  // never cut a text
    Standart = new RadioGroup(text(language, 345, "Standart SFF markers"), itemsOf(standardMarkers()), this, 2);
    Standart->setObjectName("Standart");
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    for (const auto& genre : genreList(base::Profile(genreFile))) ListBox1->addItem(base::ui::qtext(genre));
    auto* genreLabel = new QLabel(text(language, 343, "Genre"), this);

    auto* genres = new QVBoxLayout;
    genres->addWidget(genreLabel);
    genres->addWidget(ListBox1, 1);
    auto* columns = new QHBoxLayout;
    columns->addWidget(Kind);
    columns->addWidget(Standart);
    columns->addLayout(genres);
    auto* body = new QVBoxLayout;
    body->addWidget(Edit1);
    body->addLayout(columns, 1);
    finishDialog(this, body, language, ButtonOK, ButtonCancel, true, false);

    connect(Kind, &RadioGroup::itemClicked, this, [this] { showStandardMarker(); });
    connect(Edit1, &QLineEdit::textChanged, this, [this] { showStandardMarker(); });
    connect(Standart, &RadioGroup::itemClicked, this, &TextEventDialog::StandartClick);
    connect(ListBox1, &QListWidget::itemClicked, this, &TextEventDialog::ListBox1Click);
    showStandardMarker();
    restorePlace();
}

void TextEventDialog::showEvent(QShowEvent* event) {
    base::ui::RememberedDialog::showEvent(event);
    showStandardMarker();
}

void TextEventDialog::showStandardMarker() {
    const bool marker = Kind->itemIndex() == kTextKindMarker;
    Standart->setEnabled(marker);
    Standart->setItemIndex(marker ? standardMarkerIndex(base::ui::bytesOf(Edit1->text())) : -1);
}

void TextEventDialog::StandartClick(int index) {
    if (index >= 0 && index < kStandardMarkerCount)
        Edit1->setText(base::ui::qtext(standardMarkers()[static_cast<std::size_t>(index)]));
}

void TextEventDialog::ListBox1Click() {
    if (!ListBox1->currentItem()) return;
    Edit1->setText(base::ui::qtext(genreText(base::ui::bytesOf(ListBox1->currentItem()->text()))));
    Kind->setItemIndex(kTextKindText);
    showStandardMarker();
}

TextValues TextEventDialog::values() const {
    return {base::ui::bytesOf(Edit1->text()), std::max(Kind->itemIndex(), 0)};
}

}  // namespace events::ui

#include "events/ui/insert_event_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "base/ui/dialog_texts.h"
#include "events/text_kinds.h"
#include "events/ui/dialog_parts.h"
#include "events/ui/radio_group.h"

namespace events::ui {

InsertEventDialog::InsertEventDialog(const std::filesystem::path& settingsFile, const base::Language& language, QWidget* parent)
    : base::ui::RememberedDialog(parent, settingsFile, "SelInsert") {
    using base::ui::text;
    setWindowTitle(text(language, 306, "Insert event..."));
    QStringList types;
    for (int t = 0; t < kInsertTypeCount; ++t) types << base::ui::qtext(insertTypeCaption(t));
    RGType = new RadioGroup(text(language, 270, "Event type"), types, this, 2);
    RGType->setObjectName("RGType");
    GroupChannel = new QGroupBox(text(language, 271, "Channel"), this);
    EditChan = upDown(GroupChannel, "EditChan", 1, 16, 1);
    (new QHBoxLayout(GroupChannel))->addWidget(EditChan);
    QStringList kinds;
    for (auto kind : textKindNames()) kinds << base::ui::qtext(kind);
    RGText = new RadioGroup(text(language, 307, "Text type"), kinds, this);
    RGText->setObjectName("RGText");
    RGText->setItemIndex(kMarkerTextKind);
    GroupText = new QGroupBox(text(language, 308, "Text"), this);
    EditText = new QLineEdit(GroupText);
    EditText->setObjectName("EditText");
    (new QHBoxLayout(GroupText))->addWidget(EditText);
    GroupData = new QGroupBox(text(language, 309, "Hex Data "), this);
    EditData = new QLineEdit(GroupData);
    EditData->setObjectName("EditData");
    (new QHBoxLayout(GroupData))->addWidget(EditData);

    auto* side = new QVBoxLayout;
    side->addWidget(GroupChannel);
    side->addWidget(RGText);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(RGType, 1);
    top->addLayout(side);
    auto* body = new QVBoxLayout;
    body->addLayout(top);
    body->addWidget(GroupText);
    body->addWidget(GroupData);
    finishDialog(this, body, language, ButtonOK, ButtonCancel);

    connect(RGType, &RadioGroup::itemClicked, this, &InsertEventDialog::RGTypeClick);
    RGType->setItemIndex(InsertText);
    RGTypeClick(InsertText);
    restorePlace();
}

void InsertEventDialog::RGTypeClick(int type) {
    const auto fields = insertFields(type);
    RGText->setEnabled(fields.text);
    GroupText->setEnabled(fields.text);
    GroupChannel->setEnabled(fields.channel);
    GroupData->setEnabled(fields.hexData);
    EditData->setText(base::ui::qtext(insertHexPreset(type)));
}

InsertValues InsertEventDialog::values() const {
    InsertValues v;
    v.type = std::max(RGType->itemIndex(), 0);
    v.channel = EditChan->value();
    v.textKind = RGText->itemIndex();
    v.text = base::ui::bytesOf(EditText->text());
    v.hexData = EditData->text().toStdString();
    return v;
}

}  // namespace events::ui

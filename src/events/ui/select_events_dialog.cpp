#include "events/ui/select_events_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/byte_text.h"
#include "base/ui/captions.h"
#include "events/ui/dialog_parts.h"
#include "events/ui/radio_group.h"

namespace events::ui {

SelectEventsDialog::SelectEventsDialog(const events::EventFilter& preset, const std::filesystem::path& settingsFile,
                   const base::Language& language, QWidget* parent)
    : base::ui::RememberedDialog(parent, settingsFile, "FSelect") {
    base::ui::Captions captions(language);
    captions.add(269, [this](const QString& t) { setWindowTitle(t); });

    QStringList kinds;
    for (const auto& kind : events::filterKinds())
        kinds << QString::fromLatin1(kind.caption.data(), static_cast<qsizetype>(kind.caption.size()));
    RGType = new RadioGroup(QString(), kinds, this, 2);
    RGType->setObjectName("RGType");
    captions.add(270, [this](const QString& t) { RGType->setTitle(t); });

    RGSelUnsel = new RadioGroup(QString(), {QString(), QString()}, this);
    RGSelUnsel->setObjectName("RGSelUnsel");
    captions.add(273, [this](const QString& t) { RGSelUnsel->setTitle(t); });
    captions.add(274, [this](const QString& t) { RGSelUnsel->button(0)->setText(t); });
    captions.add(275, [this](const QString& t) { RGSelUnsel->button(1)->setText(t); });

    auto* channel = new QGroupBox(this);
    captions.add(271, [channel](const QString& t) { channel->setTitle(t); });
    EditChan = upDown(channel, "EditChan", 1, 16, 1);
    CheckBoxAnyChan = new QCheckBox(channel);
    CheckBoxAnyChan->setObjectName("CheckBoxAnyChan");
    captions.add(272, [this](const QString& t) { CheckBoxAnyChan->setText(t); });
    auto* channelRow = new QHBoxLayout(channel);
    channelRow->addWidget(EditChan);
    channelRow->addWidget(CheckBoxAnyChan);

    auto rangeGroup = [&](int titleId, QLineEdit*& low, const char* lowName, QLineEdit*& high, const char* highName,
                          QPushButton*& any, const char* anyName) {
        auto* group = new QGroupBox(this);
        captions.add(titleId, [group](const QString& t) { group->setTitle(t); });
        auto* from = new QLabel(group);
        captions.add(279, [from](const QString& t) { from->setText(t); });
        auto* to = new QLabel(group);
        captions.add(280, [to](const QString& t) { to->setText(t); });
        low = new QLineEdit(group);
        low->setObjectName(lowName);
        high = new QLineEdit(group);
        high->setObjectName(highName);
        for (auto* edit : {low, high}) edit->setMaximumWidth(48);
        any = new QPushButton(group);
        any->setObjectName(anyName);
        captions.add(281, [any](const QString& t) { any->setText(t); });
        auto* row = new QHBoxLayout(group);
        row->addWidget(from);
        row->addWidget(low);
        row->addWidget(to);
        row->addWidget(high);
        row->addWidget(any);
        return group;
    };
    auto* data1 = rangeGroup(277, Edit1L, "Edit1L", Edit1H, "Edit1H", ButtonAny1, "ButtonAny1");
    auto* data2 = rangeGroup(278, Edit2L, "Edit2L", Edit2H, "Edit2H", ButtonAny2, "ButtonAny2");
    CheckBoxHex = new QCheckBox(this);
    CheckBoxHex->setObjectName("CheckBoxHex");
    captions.add(276, [this](const QString& t) { CheckBoxHex->setText(t); });


    auto* right = new QVBoxLayout;
    right->addWidget(RGSelUnsel);
    right->addWidget(channel);
    right->addWidget(data1);
    right->addWidget(data2);
    right->addWidget(CheckBoxHex);
    right->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(RGType);
    body->addLayout(right);
    finishDialog(this, body, language, ButtonOK, ButtonCancel, true, false);

    RGSelUnsel->setItemIndex(preset.unselect ? 1 : 0);
    RGType->setItemIndex(preset.kind);
    EditChan->setValue(preset.channel);
    CheckBoxAnyChan->setChecked(preset.anyChannel);
    CheckBoxHex->setChecked(preset.hex);
    shownInHex_ = preset.hex;
    showRange(Edit1L, Edit1H, preset.data1Low, preset.data1High);
    showRange(Edit2L, Edit2H, preset.data2Low, preset.data2High);

    connect(CheckBoxHex, &QCheckBox::toggled, this, [this] { CheckBoxHexClick(); });
    connect(ButtonAny1, &QPushButton::clicked, this, [this] { showRange(Edit1L, Edit1H, 0, 255); });
    connect(ButtonAny2, &QPushButton::clicked, this, [this] { showRange(Edit2L, Edit2H, 0, 255); });
    restorePlace();
}

void SelectEventsDialog::showRange(QLineEdit* low, QLineEdit* high, std::uint8_t from, std::uint8_t to) {
    low->setText(QString::fromStdString(base::formatByte(from, shownInHex_)));
    high->setText(QString::fromStdString(base::formatByte(to, shownInHex_)));
}

// The four boxes are read in the form they were shown in and shown in the other.
void SelectEventsDialog::CheckBoxHexClick() {
    const auto before = filter();
    shownInHex_ = CheckBoxHex->isChecked();
    showRange(Edit1L, Edit1H, before.data1Low, before.data1High);
    showRange(Edit2L, Edit2H, before.data2Low, before.data2High);
}

events::EventFilter SelectEventsDialog::filter() const {
    // Read as the CASM byte editor reads its boxes: hex digits, or a decimal number, modulo 256.
    auto value = [this](const QLineEdit* edit) {
        const std::string text = edit->text().toLatin1().toStdString();
        return shownInHex_ ? base::readHexByte(text) : base::readDecimalByte(text);
    };
    events::EventFilter f;
    f.unselect = RGSelUnsel->itemIndex() == 1;
    f.kind = std::max(RGType->itemIndex(), 0);
    f.channel = EditChan->value();
    f.anyChannel = CheckBoxAnyChan->isChecked();
    f.data1Low = value(Edit1L);
    f.data1High = value(Edit1H);
    f.data2Low = value(Edit2L);
    f.data2High = value(Edit2H);
    f.hex = CheckBoxHex->isChecked();
    return f;
}

}  // namespace events::ui

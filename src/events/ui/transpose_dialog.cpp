#include "events/ui/transpose_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/ui/captions.h"
#include "events/ui/dialog_parts.h"
#include "events/ui/radio_group.h"

namespace events::ui {

TransposeDialog::TransposeDialog(int channel, const std::filesystem::path& settingsFile, const base::Language& language,
                       QWidget* parent)
    : base::ui::RememberedDialog(parent, settingsFile, "Transpose") {
    base::ui::Captions captions(language);
    captions.add(351, [this](const QString& t) { setWindowTitle(t); });

    auto* amountGroup = new QGroupBox(this);
    captions.add(354, [amountGroup](const QString& t) { amountGroup->setTitle(t); });
    auto* octave = new QLabel(amountGroup);
    captions.add(355, [octave](const QString& t) { octave->setText(t); });
    EditAmount = upDown(amountGroup, "EditAmount", -kMaxAmount, kMaxAmount, 0);
    ButtonPlus = new QPushButton("+ 1", amountGroup);
    ButtonPlus->setObjectName("ButtonPlus");
    ButtonMinus = new QPushButton("- 1", amountGroup);
    ButtonMinus->setObjectName("ButtonMinus");
    auto* amountRow = new QHBoxLayout(amountGroup);
    amountRow->addWidget(octave);
    amountRow->addWidget(EditAmount);
    amountRow->addWidget(ButtonPlus);
    amountRow->addWidget(ButtonMinus);

    RGObject = new RadioGroup(QString(), {QString(), QString()}, this);
    RGObject->setObjectName("RGObject");
    captions.add(352, [this](const QString& t) { RGObject->button(0)->setText(t); });
    captions.add(353, [this](const QString& t) { RGObject->button(1)->setText(t); });
    RGObject->setItemIndex(1);

    QStringList channels;
    for (int c = 1; c <= 16; ++c) channels << QString("Channel %1").arg(c);
    RadioGroupChan = new RadioGroup(QString(), channels, this, 2);
    RadioGroupChan->setObjectName("RadioGroupChan");
    captions.add(271, [this](const QString& t) { RadioGroupChan->setTitle(t); });
    RadioGroupChan->setItemIndex(channel >= 1 && channel <= 16 ? channel - 1 : 0);


    auto* left = new QVBoxLayout;
    left->addWidget(amountGroup);
    left->addWidget(RGObject);
    left->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(RadioGroupChan);
    finishDialog(this, body, language, ButtonOK, ButtonCancel);

    // An octave up or down, as far as the range goes.
    connect(ButtonPlus, &QPushButton::clicked, this, [this] { EditAmount->setValue(EditAmount->value() + kOctave); });
    connect(ButtonMinus, &QPushButton::clicked, this, [this] { EditAmount->setValue(EditAmount->value() - kOctave); });
    restorePlace();
}

int TransposeDialog::amount() const { return EditAmount->value(); }

bool TransposeDialog::allSections() const { return RGObject->itemIndex() != 0; }

int TransposeDialog::channel() const { return std::max(RadioGroupChan->itemIndex(), 0) + 1; }

}  // namespace events::ui

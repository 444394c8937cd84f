#include "events/ui/meta_dialogs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "base/ui/dialog_texts.h"
#include "events/ui/dialog_parts.h"
#include "events/ui/radio_group.h"

namespace events::ui {
namespace {

using base::ui::text;

QGroupBox* group(QWidget* parent, const QString& title, std::initializer_list<QWidget*> widgets) {
    auto* box = new QGroupBox(title, parent);
    auto* row = new QHBoxLayout(box);
    for (auto* w : widgets) row->addWidget(w);
    return box;
}

constexpr const char* kKeyNames[15] = {"7 flats",  "6 flats",  "5 flats",  "4 flats",  "3 flats",
                                       "2 flats",  "1 flat",   "Key of C", "1 sharp",  "2 sharps",
                                       "3 sharps", "4 sharps", "5 sharps", "6 sharps", "7 sharps"};

}  // namespace

TimeSignatureDialog::TimeSignatureDialog(const TimeSignatureValues& v, const std::filesystem::path& settingsFile, const base::Language& language,
               QWidget* parent)
    : base::ui::RememberedDialog(parent, settingsFile, "TimeS") {
    setWindowTitle(text(language, 347, "Time Signature Event"));
    EditNum = upDown(this, "EditNum", 1, 32, v.numerator);
    EditDen = upDown(this, "EditDen", 2, 32, v.denominator);
    EditMet = upDown(this, "EditMet", 1, 128, v.clocks);
    EditMC32 = upDown(this, "EditMC32", 1, 256, v.thirtySeconds);
    auto* slash = new QLabel("/", this);
    auto* body = new QVBoxLayout;
    body->addWidget(group(this, text(language, 348, "Time Signature"), {EditNum, slash, EditDen}));
    body->addWidget(group(this, text(language, 349, "MIDI Clocks per metronome tick "), {EditMet}));
    body->addWidget(group(this, text(language, 350, "Number of 1/32 notes per 24 MIDI clocks "), {EditMC32}));
    finishDialog(this, body, language, ButtonOK, ButtonCancel);
    restorePlace();
}

TimeSignatureValues TimeSignatureDialog::values() const {
    return {EditNum->value(), EditDen->value(), EditMet->value(), EditMC32->value()};
}

KeySignatureDialog::KeySignatureDialog(const KeySignatureValues& v, const std::filesystem::path& settingsFile, const base::Language& language,
                 QWidget* parent)
    : base::ui::RememberedDialog(parent, settingsFile, "KeySig") {
    setWindowTitle(text(language, 292, "Key Signature"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    for (const char* name : kKeyNames) ComboBox1->addItem(name);
    ComboBox1->setCurrentIndex(std::clamp(v.index, 0, 14));
    RadioGroup1 = new RadioGroup({}, {text(language, 293, "  Major"), text(language, 294, "  Minor")}, this);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup1->setItemIndex(v.mode == 1 ? 1 : 0);
    auto* body = new QHBoxLayout;
    body->addWidget(ComboBox1, 1, Qt::AlignTop);
    body->addWidget(RadioGroup1);
    finishDialog(this, body, language, ButtonOK, ButtonCancel);
    restorePlace();
}

KeySignatureValues KeySignatureDialog::values() const { return {ComboBox1->currentIndex(), std::max(RadioGroup1->itemIndex(), 0)}; }

SmpteOffsetDialog::SmpteOffsetDialog(const SmpteValues& v, const std::filesystem::path& settingsFile, const base::Language& language,
               QWidget* parent)
    : base::ui::RememberedDialog(parent, settingsFile, "Smtpe") {
    setWindowTitle(text(language, 330, "SMTPE Offset"));
    const QString labels[5] = {text(language, 331, "Hours"), text(language, 332, "Min"), text(language, 333, "Sec"),
                               text(language, 334, "Frames"), "FF"};
    const char* names[5] = {"EditHours", "EditMin", "EditSec", "EditFrames", "EditFF"};
    auto* body = new QFormLayout;
    for (std::size_t i = 0; i < Edits.size(); ++i) {
        Edits[i] = upDown(this, names[i], 0, kSmpteMax[i], v[i]);
        body->addRow(labels[i], Edits[i]);
    }
    finishDialog(this, body, language, ButtonOK, ButtonCancel);
    restorePlace();
}

SmpteValues SmpteOffsetDialog::values() const {
    SmpteValues v{};
    for (std::size_t i = 0; i < Edits.size(); ++i) v[i] = Edits[i]->value();
    return v;
}

}  // namespace events::ui

#include "events/ui/number_dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <limits>

#include "base/ui/dialog_texts.h"
#include "events/ui/dialog_parts.h"

namespace events::ui {

using base::ui::text;

NumberDialog::NumberDialog(const Shape& shape, int value, const std::filesystem::path& settingsFile,
                           const base::Language& language, QWidget* parent)
    : base::ui::RememberedDialog(parent, settingsFile, shape.section) {
    setWindowTitle(text(language, shape.captionId, shape.caption));
    Label1 = new QLabel(shape.labelId ? text(language, shape.labelId, shape.label) : QString(shape.label), this);
    Label1->setObjectName("Label1");
    Edit1 = upDown(this, "Edit1", shape.minimum, shape.maximum, value);
    Label1->setBuddy(Edit1);
    auto* row = new QHBoxLayout;
    row->addWidget(Label1);
    row->addWidget(Edit1, 1);
    finishDialog(this, row, language, ButtonOK, ButtonCancel);
    restorePlace();
    Edit1->selectAll();
}

int NumberDialog::value() const { return Edit1->value(); }
void NumberDialog::setValue(int value) { Edit1->setValue(value); }

TempoDialog::TempoDialog(int bpm, const std::filesystem::path& settingsFile, const base::Language& language, QWidget* parent)
    : NumberDialog({"Tempo", 340, "Tempo Event", 341, "BPM:", 1, 480}, bpm, settingsFile, language, parent) {}

PitchBendDialog::PitchBendDialog(int value, const std::filesystem::path& settingsFile, const base::Language& language, QWidget* parent)
    : NumberDialog({"Pitch", 302, "Pitch wheel change", 303, "Value:", 0, 16383}, value, settingsFile, language,
                   parent) {}

ChannelDialog::ChannelDialog(int position, const std::filesystem::path& settingsFile, const base::Language& language, QWidget* parent)
    : NumberDialog({"Chan", 207, "MIDI Channel", 0, "", 1, 16}, position, settingsFile, language, parent) {}

namespace {
int tickBound(std::uint32_t delta) {
    const auto most = static_cast<std::uint32_t>(std::numeric_limits<int>::max());
    return static_cast<int>(std::max<std::uint32_t>(TickShiftDialog::kMaximum, std::min(delta, most)));
}
}  // namespace

TickShiftDialog::TickShiftDialog(std::uint32_t delta, const std::filesystem::path& settingsFile, const base::Language& language,
                     QWidget* parent)
    : NumberDialog({"TickPlus", 346, "Edit Tick+", 0, "Tick+", 0, tickBound(delta)},
                   static_cast<int>(std::min<std::uint32_t>(delta, static_cast<std::uint32_t>(tickBound(delta)))),
                   settingsFile, language, parent) {}

}  // namespace events::ui

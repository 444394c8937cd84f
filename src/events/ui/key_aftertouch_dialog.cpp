#include "events/ui/key_aftertouch_dialog.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "base/ui/dialog_texts.h"
#include "casm/ui/note_picker.h"
#include "events/ui/dialog_parts.h"
#include "names/controller_list.h"

namespace events::ui {

KeyAftertouchDialog::KeyAftertouchDialog(int note, int value, const std::filesystem::path& settingsFile, const base::Language& language,
                     QWidget* parent)
    : base::ui::RememberedDialog(parent, settingsFile, "KeyAfter"),
      language_(language),
      settingsFile_(settingsFile),
      note_(note < 0 ? -1 : note & 127),
      value_(std::clamp(value, 0, 127)) {
    using base::ui::text;
    const bool channelMode = note_ < 0;
    setWindowTitle(channelMode ? text(language, 291, "Channel after-touch") : text(language, 288, "Key after-touch"));

    GroupVelocity = new QGroupBox(text(language, 290, "Velocity"), this);
    TrackBar = new QSlider(Qt::Vertical, GroupVelocity);
    TrackBar->setObjectName("TrackBar");
    TrackBar->setRange(0, 127);
    TrackBar->setPageStep(16);
    TrackBar->setTickInterval(16);
    TrackBar->setTickPosition(QSlider::TicksBothSides);
    TrackBar->setInvertedAppearance(true);  // position 0, value 127, at the top
    TrackBar->setInvertedControls(true);
    TrackBar->setValue(names::trackPositionOf(value_));
    EditV = new QLineEdit(QString::number(value_), GroupVelocity);
    EditV->setObjectName("EditV");
    auto* velocity = new QVBoxLayout(GroupVelocity);
    velocity->addWidget(TrackBar, 1, Qt::AlignHCenter);
    velocity->addWidget(EditV);

    GroupNote = new QGroupBox(text(language, 289, "Note"), this);
    Image1 = new QLabel(GroupNote);
    Image1->setObjectName("Image1");
    Image1->setPixmap(casm::ui::keyboardPixmap().scaled(300, 50, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);
    EditN = new QLineEdit(QString::number(std::max(note_, 0)), GroupNote);
    EditN->setObjectName("EditN");
    auto* noteLayout = new QVBoxLayout(GroupNote);
    noteLayout->addWidget(Image1);
    noteLayout->addWidget(EditN);
    noteLayout->addStretch();
    GroupNote->setVisible(!channelMode);

    auto* body = new QHBoxLayout;
    body->addWidget(GroupNote);
    body->addWidget(GroupVelocity);
    finishDialog(this, body, language, ButtonOK, ButtonCancel);

    connect(TrackBar, &QSlider::valueChanged, this, &KeyAftertouchDialog::TrackBarChange);
    connect(EditV, &QLineEdit::textEdited, this, &KeyAftertouchDialog::EditVChange);
    connect(EditN, &QLineEdit::textEdited, this, &KeyAftertouchDialog::EditNChange);
    restorePlace();
}

void KeyAftertouchDialog::TrackBarChange(int position) {
    value_ = names::valueOfTrackPosition(position);
    EditV->setText(QString::number(value_));
}

void KeyAftertouchDialog::EditVChange(const QString& typed) {
    value_ = names::typedControllerValue(typed.toStdString());
    const QSignalBlocker block(TrackBar);
    TrackBar->setValue(names::trackPositionOf(value_));
}

void KeyAftertouchDialog::EditNChange(const QString& typed) {
    if (note_ >= 0) note_ = names::typedControllerValue(typed.toStdString());
}

void KeyAftertouchDialog::Image1Click() {
    casm::ui::NotePicker picker(this, language_, settingsFile_, note_);
    if (picker.exec() != QDialog::Accepted) return;
    note_ = picker.note();
    EditN->setText(QString::number(note_));
}

bool KeyAftertouchDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
        Image1Click();
        return true;
    }
    return base::ui::RememberedDialog::eventFilter(watched, event);
}

}  // namespace events::ui

#include "names/ui/controller_chooser.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "base/ui/dialog_texts.h"
#include "names/controller_list.h"

ControllerChooser::ControllerChooser(std::vector<std::string> items, int controller, int value, const std::filesystem::path& settingsFile,
                   const base::Language& language, QWidget* parent)
    : base::ui::RememberedDialog(parent, settingsFile, "SelCont"),
      items_(std::move(items)),
      controller_(controller),
      value_(value & 0xFF) {
    setWindowTitle(base::ui::text(language, 304, "Select Controller"));

    ListBox = new QListWidget(this);
    ListBox->setObjectName("ListBox");
    for (const auto& item : items_) ListBox->addItem(base::ui::qtext(item));
    if (!items_.empty()) ListBox->setCurrentRow(static_cast<int>(names::itemIndexFor(items_, controller)));

    GroupBox1 = new QGroupBox(base::ui::text(language, 305, "Value"), this);
    TrackBar = new QSlider(Qt::Vertical, GroupBox1);
    TrackBar->setObjectName("TrackBar");
    TrackBar->setRange(0, 127);
    TrackBar->setPageStep(10);
    TrackBar->setTickInterval(10);
    TrackBar->setTickPosition(QSlider::TicksBothSides);
    TrackBar->setInvertedAppearance(true);  // position 0, value 127, at the top
    TrackBar->setInvertedControls(true);
    TrackBar->setValue(names::trackPositionOf(value_));
    EditVal = new QLineEdit(QString::number(value_), GroupBox1);
    EditVal->setObjectName("EditVal");
    auto* valueLayout = new QVBoxLayout(GroupBox1);
    valueLayout->addWidget(TrackBar, 1, Qt::AlignHCenter);
    valueLayout->addWidget(EditVal);

    auto* buttons = base::ui::okCancelRow(this, language, "OK", "Cancel", ButtonOK, ButtonCancel);
    auto* top = new QHBoxLayout;
    top->addWidget(ListBox, 1);
    top->addWidget(GroupBox1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    connect(TrackBar, &QSlider::valueChanged, this, &ControllerChooser::TrackBarChange);
    connect(EditVal, &QLineEdit::textEdited, this, &ControllerChooser::EditValChange);
    connect(ListBox, &QListWidget::itemDoubleClicked, this, &ControllerChooser::ButtonOKClick);
    connect(ButtonOK, &QPushButton::clicked, this, &ControllerChooser::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    restorePlace();
}

void ControllerChooser::TrackBarChange(int position) {
    value_ = names::valueOfTrackPosition(position);
    EditVal->setText(QString::number(value_));
}

void ControllerChooser::EditValChange(const QString& text) {
    // A value the track bar cannot show is limited to 0..127 rather than wrapped.
    value_ = names::typedControllerValue(text.toStdString());
    const QSignalBlocker block(TrackBar);
    TrackBar->setValue(names::trackPositionOf(value_));
}

void ControllerChooser::ButtonOKClick() {
    const int row = ListBox->currentRow();
    if (row >= 0 && row < static_cast<int>(items_.size())) {
        const int number = names::itemController(items_[static_cast<std::size_t>(row)]);
        if (number >= 0) controller_ = number;
    }
    accept();
}

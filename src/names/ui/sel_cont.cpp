#include "names/ui/sel_cont.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "names/controller_list.h"
#include "names/ui/chooser_parts.h"

TSelCont::TSelCont(std::vector<std::string> items, int controller, int value, const std::filesystem::path& settingsFile,
                   const app::Language& language, QWidget* parent)
    : app::ui::RememberedDialog(parent, settingsFile, "SelCont"),
      items_(std::move(items)),
      controller_(controller),
      value_(value & 0xFF) {
    setWindowTitle(names::ui::text(language, 304, "Select Controller"));

    ListBox = new QListWidget(this);
    ListBox->setObjectName("ListBox");
    for (const auto& item : items_) ListBox->addItem(names::ui::qtext(item));
    if (!items_.empty()) ListBox->setCurrentRow(static_cast<int>(names::itemIndexFor(items_, controller)));

    GroupBox1 = new QGroupBox(names::ui::text(language, 305, "Value"), this);
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

    auto* buttons = names::ui::okCancelRow(this, language, "OK", "Cancel", ButtonOK, ButtonCancel);
    auto* top = new QHBoxLayout;
    top->addWidget(ListBox, 1);
    top->addWidget(GroupBox1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    connect(TrackBar, &QSlider::valueChanged, this, &TSelCont::TrackBarChange);
    connect(EditVal, &QLineEdit::textEdited, this, &TSelCont::EditValChange);
    connect(ListBox, &QListWidget::itemDoubleClicked, this, &TSelCont::ButtonOKClick);
    connect(ButtonOK, &QPushButton::clicked, this, &TSelCont::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    restorePlace();
}

void TSelCont::TrackBarChange(int position) {
    value_ = names::valueOfTrackPosition(position);
    EditVal->setText(QString::number(value_));
}

void TSelCont::EditValChange(const QString& text) {
    // A value the track bar cannot show is limited to 0..127 rather than wrapped.
    value_ = names::typedControllerValue(text.toStdString());
    const QSignalBlocker block(TrackBar);
    TrackBar->setValue(names::trackPositionOf(value_));
}

void TSelCont::ButtonOKClick() {
    const int row = ListBox->currentRow();
    if (row >= 0 && row < static_cast<int>(items_.size())) {
        const int number = names::itemController(items_[static_cast<std::size_t>(row)]);
        if (number >= 0) controller_ = number;
    }
    accept();
}

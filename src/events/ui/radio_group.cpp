#include "events/ui/radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace events::ui {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent, int columns)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    const int perColumn = (static_cast<int>(items.size()) + columns - 1) / std::max(columns, 1);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        layout->addWidget(button, i % perColumn, i / perColumn);
    }
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

int RadioGroup::itemIndex() const { return group_->checkedId(); }

void RadioGroup::setItemIndex(int index) {
    if (auto* chosen = group_->button(index)) {
        chosen->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; let go of it for a moment.
    group_->setExclusive(false);
    if (auto* checked = group_->checkedButton()) checked->setChecked(false);
    group_->setExclusive(true);
}

int RadioGroup::count() const { return static_cast<int>(group_->buttons().size()); }

QRadioButton* RadioGroup::button(int index) const { return qobject_cast<QRadioButton*>(group_->button(index)); }

}  // namespace events::ui

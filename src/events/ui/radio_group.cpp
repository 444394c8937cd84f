#include "events/ui/radio_group.h"

#include <QGridLayout>
#include <QRadioButton>

namespace events::ui {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(title, parent) {
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / std::max(columns, 1);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        buttons_.addButton(button, i);
        grid->addWidget(button, i % rows, i / rows);  // down each column, as list boxes read
    }
    connect(&buttons_, &QButtonGroup::idClicked, this, &RadioGroup::itemChosen);
}

void RadioGroup::setItemIndex(int index) {
    if (auto* button = buttons_.button(index)) button->setChecked(true);
}

}  // namespace events::ui

#pragma once
// The row that closes a dialog: its buttons at the right edge.
#include <QHBoxLayout>
#include <QPushButton>

namespace base::ui {

inline QHBoxLayout* rightAlignedRow(QPushButton* first, QPushButton* second) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(first);
    row->addWidget(second);
    return row;
}

}  // namespace base::ui

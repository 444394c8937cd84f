#pragma once
// Paints the CASM editor's cells in the colours the model gives them: the
// mark, change and current-row colours replace the view's own selection
// highlight, which would hide them.
#include <QStyledItemDelegate>

namespace casm::ui {

class CasmRowPainter : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace casm::ui

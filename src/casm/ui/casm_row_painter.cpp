#include "casm/ui/casm_row_painter.h"

#include <QPainter>

namespace casm::ui {

void CasmRowPainter::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QColor background = index.data(Qt::BackgroundRole).value<QColor>();
    const QColor text = index.data(Qt::ForegroundRole).value<QColor>();
    painter->save();
    painter->fillRect(option.rect, background.isValid() ? background : option.palette.base().color());
    painter->setPen(text.isValid() ? text : option.palette.text().color());
    painter->setFont(option.font);
    const QRect area = option.rect.adjusted(3, 0, -2, 0);
    const QString shown =
        option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, area.width());
    painter->drawText(area, Qt::AlignVCenter | Qt::AlignLeft, shown);
    painter->restore();
}

}  // namespace casm::ui

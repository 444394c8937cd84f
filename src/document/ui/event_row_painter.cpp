#include "document/ui/event_row_painter.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "document/event_text.h"
#include "document/ui/event_table_model.h"

namespace document::ui {
namespace {

constexpr int kFillWidth = 64;  // fills are tiled across wider cells

}  // namespace

QColor fromSettingsColour(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int toSettingsColour(const QColor& colour) { return colour.red() | colour.green() << 8 | colour.blue() << 16; }

EventRowPainter::EventRowPainter(const EventTableModel& model, const QAbstractItemView& view, QObject* parent)
    : QStyledItemDelegate(parent), model_(model), view_(view) {}

bool EventRowPainter::isCurrent(const QModelIndex& index) const {
    return view_.currentIndex().isValid() && view_.currentIndex().row() == index.row();
}

EventRowPainter::CellColours EventRowPainter::cellColours(const QModelIndex& index) const {
    CellColours c{Qt::white, Qt::black};
    const int row = model_.rowAt(index);
    if (row > 0 && index.column() != document::ColN) {
        const int cls = document::colourClass(model_.list().eventBytes(row));
        const auto& pair = colours_[static_cast<std::size_t>(std::clamp(cls, 0, document::kColourClassCount - 1))];
        c = {fromSettingsColour(pair.brush), fromSettingsColour(pair.pen)};
    }
    if (index.column() == document::ColSel) {
        if (isCurrent(index)) c.background = Qt::white;
    } else if (isCurrent(index)) {
        std::swap(c.background, c.text);
    }
    return c;
}

QPixmap EventRowPainter::shadedFill(QColor top, int height) {
    QPixmap pixmap(kFillWidth, std::max(height, 1));
    QPainter p(&pixmap);
    int r = top.red(), g = top.green(), b = top.blue();
    for (int y = 0; y < pixmap.height(); ++y) {
        p.setPen(QColor(r, g, b));
        p.drawLine(0, y, kFillWidth - 1, y);
        r = std::max(r - 3, 0);
        g = std::max(g - 3, 0);
        b = std::max(b - 3, 0);
    }
    return pixmap;
}

void EventRowPainter::drawShaded(QPainter* painter, const QRect& rect, QColor top) const {
    const quint64 key = (quint64(top.rgb()) << 16) | quint64(rect.height() & 0xFFFF);
    auto it = fills_.find(key);
    if (it == fills_.end()) it = fills_.insert(key, shadedFill(top, rect.height()));
    painter->drawTiledPixmap(rect, *it);
}

const QPixmap& EventRowPainter::checkMarkImage() {
    static const QPixmap image = [] {
        QPixmap pm(16, 16);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 128, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
        return pm;
    }();
    return image;
}

const QPixmap& EventRowPainter::pointerImage() {
    static const QPixmap image = [] {
        QPixmap pm(8, 16);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath arrow;
        arrow.moveTo(1, 3);
        arrow.lineTo(7, 8);
        arrow.lineTo(1, 13);
        arrow.closeSubpath();
        p.fillPath(arrow, Qt::black);
        return pm;
    }();
    return image;
}

void EventRowPainter::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QRect rect = option.rect;
    if (index.column() == document::ColSel) {
        const auto colours = cellColours(index);
        if (useColor_) drawShaded(painter, rect, colours.background);
        else painter->fillRect(rect, option.palette.base());
        const int row = model_.rowAt(index);
        if (row > 0 && model_.list().selected(row)) painter->drawPixmap(rect.left() + 1, rect.top() + 1, checkMarkImage());
        if (isCurrent(index)) painter->drawPixmap(rect.left() + 17, rect.top() + 1, pointerImage());
        return;
    }
    if (!useColor_) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const auto colours = cellColours(index);
    drawShaded(painter, rect, colours.background);
    painter->save();
    painter->setClipRect(rect);
    painter->setPen(colours.text);
    painter->setFont(option.font);
    painter->drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

}  // namespace document::ui

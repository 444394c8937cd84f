#include "app/ui/program_icon.h"

#include <QPainter>
#include <QPixmap>

namespace app::ui {
namespace {

QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x3f, 0x7a));
    p.drawRoundedRect(QRectF(4, 4, 120, 120), 18, 18);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(14, 62, 100, 52), 4, 4);
    p.setPen(QPen(QColor(0x1f, 0x3f, 0x7a), 2));
    for (int k = 1; k < 7; ++k) p.drawLine(QPointF(14 + k * 100.0 / 7, 62), QPointF(14 + k * 100.0 / 7, 114));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x20, 0x3f));
    for (int x : {23, 37, 66, 80, 94}) p.drawRect(QRectF(x, 62, 10, 30));
    p.setBrush(QColor(0xff, 0xd2, 0x3f));
    const QRectF bars[] = {{18, 16, 20, 8}, {42, 16, 30, 8}, {76, 16, 34, 8}, {18, 30, 36, 8}, {58, 30, 22, 8},
                           {84, 30, 26, 8}, {18, 44, 26, 8}, {48, 44, 40, 8}, {92, 44, 18, 8}};
    for (const auto& bar : bars) p.drawRoundedRect(bar, 2, 2);
    return pixmap;
}

}  // namespace

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(drawIcon(size));
    return icon;
}

}  // namespace app::ui

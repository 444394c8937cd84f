#include "playback/ui/tled.h"

#include <QPainter>

namespace playback::ui {

TLED::TLED(QWidget* parent) : QWidget(parent) { setFixedSize(15, 15); }

void TLED::SetState(bool state) {
    state_ = state;
    repaint();
}

void TLED::SetOnColor(const QColor& color) {
    onColor_ = color;
    repaint();
}

void TLED::SetOffColor(const QColor& color) {
    offColor_ = color;
    repaint();
}

void TLED::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fillColor());
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void TLED::mousePressEvent(QMouseEvent*) { emit mouseDown(Tag); }

}  // namespace playback::ui

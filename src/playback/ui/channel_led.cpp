#include "playback/ui/channel_led.h"

#include <QPainter>

namespace playback::ui {

ChannelLed::ChannelLed(QWidget* parent) : QWidget(parent) { setFixedSize(15, 15); }

void ChannelLed::SetState(bool state) {
    state_ = state;
    repaint();
}

void ChannelLed::SetOnColor(const QColor& color) {
    onColor_ = color;
    repaint();
}

void ChannelLed::SetOffColor(const QColor& color) {
    offColor_ = color;
    repaint();
}

void ChannelLed::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fillColor());
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void ChannelLed::mousePressEvent(QMouseEvent*) { emit mouseDown(Tag); }

}  // namespace playback::ui

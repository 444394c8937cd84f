#pragma once
// The LED of a channel: a round lamp with a black rim, lit in OnColor while
// State is true and in OffColor otherwise; a mouse press reports itself.
#include <QColor>
#include <QWidget>

namespace playback::ui {

class ChannelLed : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool State READ State WRITE SetState)
    Q_PROPERTY(QColor OnColor READ OnColor WRITE SetOnColor)
    Q_PROPERTY(QColor OffColor READ OffColor WRITE SetOffColor)
public:
    explicit ChannelLed(QWidget* parent = nullptr);

    bool State() const { return state_; }
    QColor OnColor() const { return onColor_; }
    QColor OffColor() const { return offColor_; }
    // Each setter repaints at once.
    void SetState(bool state);
    void SetOnColor(const QColor& color);
    void SetOffColor(const QColor& color);
    // The colour the lamp shows now.
    QColor fillColor() const { return state_ ? onColor_ : offColor_; }

    int Tag = 0;

signals:
    void mouseDown(int tag);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    QSize sizeHint() const override { return {15, 15}; }

private:
    bool state_ = false;
    QColor onColor_{0x00, 0xFF, 0x00};
    QColor offColor_{0xFF, 0x00, 0x00};
};

}  // namespace playback::ui

#pragma once
// The picture of one chord type on the root C: two octaves of keys with the
// chord's notes marked, drawn as shapes so it stays sharp at any scale.
#include <QWidget>

namespace casm::ui {

class ChordPicture : public QWidget {
    Q_OBJECT
public:
    ChordPicture(int type, QWidget* parent);
    QSize sizeHint() const override;
    int type() const { return type_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int type_;
};

}  // namespace casm::ui

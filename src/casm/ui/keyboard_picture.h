#pragma once
// The note picker's keyboard picture, drawn from the key areas of
// casm/note_keyboard.h, with the mark of one note in red.
#include <QPixmap>
#include <QWidget>
#include <optional>

namespace casm::ui {

// The 601 by 100 pixel picture with `marked` (if any) marked.
QPixmap keyboardPixmap(std::optional<int> marked);

class KeyboardPicture : public QWidget {
    Q_OBJECT
public:
    explicit KeyboardPicture(QWidget* parent = nullptr);

    void setMarked(std::optional<int> note);
    std::optional<int> marked() const { return marked_; }

signals:
    // The note under the mouse, none where there is no key.
    void hovered(std::optional<int> note);
    void pressed(int note);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::optional<int> marked_;
};

}  // namespace casm::ui
